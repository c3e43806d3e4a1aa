#include "app/CommandLine.h"

#include <windows.h>

#include <shellapi.h>

namespace app {

// The command line as Windows keeps it, in UTF-16, split as the C runtime
// splits it: "कृष्णा.rkn" arrives whole, where argv would hold "??????.rkn".
QStringList argumentsOf(int /*argc*/, char** /*argv*/)
{
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    QStringList arguments;
    for (int i = 0; words != nullptr && i < count; ++i) {
        arguments.append(QString::fromWCharArray(words[i]));
    }
    LocalFree(words);
    return arguments;
}

} // namespace app
