# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread
# model, which C++ threads need). Libraries and packages come only from the
# MinGW sysroot and from VQ_WINDOWS_QT, the prefix of a Qt built for Windows;
# programs (moc, lrelease ...) come from the host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)
set(CMAKE_AR ${mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${mingw}-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_STRIP ${mingw}-strip CACHE FILEPATH "")

# The Qt prefix is passed as a cache variable or in the environment, else it is
# the one scripts/build-qt-windows keeps in the user's cache (building Qt
# itself needs none); try_compile projects see it through the environment.
if(NOT VQ_WINDOWS_QT AND DEFINED ENV{VQ_WINDOWS_QT})
    set(VQ_WINDOWS_QT "$ENV{VQ_WINDOWS_QT}")
endif()
if(NOT VQ_WINDOWS_QT)
    execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/build-qt-windows --prefix
        OUTPUT_VARIABLE VQ_WINDOWS_QT OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(VQ_WINDOWS_QT)
    set(ENV{VQ_WINDOWS_QT} "${VQ_WINDOWS_QT}")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VQ_WINDOWS_QT)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw} ${VQ_WINDOWS_QT})
set(CMAKE_PREFIX_PATH ${VQ_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
