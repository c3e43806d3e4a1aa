# Programs built for Windows run here under Wine: tests, and the custom
# commands that run a program of the build, go through the wine-run script in
# the build folder, which keeps a Wine prefix of the build's own and finds the
# Qt libraries and the MinGW-w64 runtime where they are.
find_program(VQ_WINE wine REQUIRED)
set(VQ_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
set(vq_folders "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
foreach(library libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
        OUTPUT_VARIABLE vq_library OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(vq_library "${vq_library}" REALPATH)
    get_filename_component(vq_folder "${vq_library}" DIRECTORY)
    list(APPEND vq_folders "${vq_folder}")
endforeach()
# Wine reads Unix paths through its drive Z:.
list(TRANSFORM vq_folders PREPEND "Z:")
list(JOIN vq_folders "|" VQ_WINEPATH)
string(REPLACE "/" "\\" VQ_WINEPATH "${VQ_WINEPATH}")
string(REPLACE "|" ";" VQ_WINEPATH "${VQ_WINEPATH}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
