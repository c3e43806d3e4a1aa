#include "app/CommandLine.h"

#include "system/FileAccess.h"

namespace app {

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        // The bytes as given, so that a file name that is not UTF-8 opens too.
        arguments.append(sys::pathFromNative(argv[i]));
    }
    return arguments;
}

} // namespace app
