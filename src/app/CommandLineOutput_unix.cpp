#include "app/CommandLineOutput.h"

#include <QByteArray>

#include <cstdio>

namespace app {

void printText(Channel channel, const QString& text)
{
    std::FILE* stream = channel == Channel::Output ? stdout : stderr;
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace app
