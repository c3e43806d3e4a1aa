#include "app/CommandLine.h"

#include "app/CommandLineOutput.h"

#include "system/ProgramNames.h"
#include "system/Translation.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QtGlobal>

#include <cstdlib>

namespace app {
namespace {

const QString kProgram = QStringLiteral("vq-rudraksha-numerology");

// Qt's own options that take a value (-platform offscreen, or -platform=offscreen).
const QStringList kQtOptionsWithValue = {
    QStringLiteral("platform"),
    QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"),
    QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),
    QStringLiteral("session"),
    QStringLiteral("display"),
    QStringLiteral("geometry"),
    QStringLiteral("title"),
    QStringLiteral("name"),
    QStringLiteral("style"),
    QStringLiteral("stylesheet"),
    QStringLiteral("qmljsdebugger"),
};

// Qt's own options that stand alone.
const QStringList kQtFlags = {
    QStringLiteral("reverse"),
    QStringLiteral("widgetcount"),
    QStringLiteral("nograb"),
    QStringLiteral("dograb"),
    QStringLiteral("sync"),
};

QString usage()
{
    return QCoreApplication::translate("app::CommandLine",
        "Usage: %1 [OPTION]... [FILE]\n"
        "Gives a Rudraksha numerology reading; FILE is a saved reading (.rkn) to open.\n"
        "\n"
        "  -h, --help     show this help and exit\n"
        "      --version  show the name and version and exit\n"
        "  --             end the options: what follows is a file\n"
        "\n"
        "Qt's own options, such as -platform and -style, are accepted as well.\n")
        .arg(kProgram);
}

// The messages held back while the application object is made.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage>* g_held = nullptr;
QtMessageHandler g_previous = nullptr;
// The files after the first, said before anything else.
QStringList g_leftAlone;

// "only one reading opens at a time; ... is left alone", a line for each of
// the files. Said while the application object is being made, so in the words
// of the translation itself.
QString filesLeftAlone()
{
    QString text;
    for (const QString& path : std::as_const(g_leftAlone)) {
        text += sys::translatedNow("app::CommandLine",
            QT_TRANSLATE_NOOP("app::CommandLine", "%1: only one reading opens at a time; \"%2\" is left alone\n"))
                    .arg(kProgram, path);
    }
    return text;
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // Qt would abort next; the messages before this one only repeat it.
        // The application object is not whole yet: its translators cannot be
        // installed, so the words come from the translation directly.
        printText(Channel::Error,
            filesLeftAlone()
                + sys::translatedNow("app::CommandLine",
                    QT_TRANSLATE_NOOP("app::CommandLine",
                        "%1: no display could be opened; set DISPLAY or WAYLAND_DISPLAY to a running X11 or Wayland "
                        "session\n"))
                      .arg(kProgram));
        std::_Exit(1);
    }
    g_held->append({type, QByteArray(context.category != nullptr ? context.category : "default"), text});
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    line.qtArguments.append(arguments.value(0, kProgram));
    const auto file = [&line](const QString& path) {
        if (line.readingFile.isEmpty()) {
            line.readingFile = path;
        } else {
            line.otherFiles.append(path);
        }
    };
    bool options = true;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!options || argument == QLatin1String("-") || !argument.startsWith(QLatin1Char('-'))) {
            file(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (argument == QLatin1String("--version")) {
            line.action = CommandLine::Action::Version;
            return line;
        }
        // Qt takes its options with one dash or two.
        const QString bare = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const QString name = bare.section(QLatin1Char('='), 0, 0);
        if (kQtFlags.contains(bare) || (kQtOptionsWithValue.contains(name) && bare.contains(QLatin1Char('=')))) {
            line.qtArguments.append(argument);
        } else if (kQtOptionsWithValue.contains(bare) && i + 1 < arguments.size()) {
            line.qtArguments.append(argument);
            line.qtArguments.append(arguments.at(++i));
        } else {
            line.action = CommandLine::Action::Unknown;
            line.unknownOption = argument;
            return line;
        }
    }
    return line;
}

int answerCommandLine(const CommandLine& line)
{
    switch (line.action) {
    case CommandLine::Action::Help:
        printText(Channel::Output, usage());
        return 0;
    case CommandLine::Action::Version:
        printText(Channel::Output,
            QCoreApplication::translate("app::CommandLine", "%1 %2\n")
                .arg(sys::ApplicationTitle(), QCoreApplication::applicationVersion()));
        return 0;
    case CommandLine::Action::Unknown:
        // In one piece, since on Windows it may be one message box.
        printText(Channel::Error,
            QCoreApplication::translate("app::CommandLine", "%1: unknown option \"%2\"\n")
                    .arg(kProgram, line.unknownOption)
                + usage());
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    return 0;
}

DisplayGuard::DisplayGuard(const CommandLine& line)
{
    g_leftAlone = line.otherFiles;
    g_held = new QList<HeldMessage>;
    g_previous = qInstallMessageHandler(holdMessage);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(g_previous);
    if (const QString leftAlone = filesLeftAlone(); !leftAlone.isEmpty()) {
        printText(Channel::Error, leftAlone);
    }
    for (const HeldMessage& message : std::as_const(*g_held)) {
        const QMessageLogger logger(nullptr, 0, nullptr, message.category.constData());
        switch (message.type) {
        case QtDebugMsg:
            logger.debug("%s", qUtf8Printable(message.text));
            break;
        case QtInfoMsg:
            logger.info("%s", qUtf8Printable(message.text));
            break;
        case QtWarningMsg:
        case QtFatalMsg:
            logger.warning("%s", qUtf8Printable(message.text));
            break;
        case QtCriticalMsg:
            logger.critical("%s", qUtf8Printable(message.text));
            break;
        }
    }
    delete g_held;
    g_held = nullptr;
}

} // namespace app
