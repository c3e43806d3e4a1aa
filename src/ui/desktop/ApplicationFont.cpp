#include "ui/desktop/ApplicationFont.h"

#include "system/Translation.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLocale>

#include <utility>

namespace ui {
namespace {

// Whether the language is written in a script that the program's own fonts
// lack.
bool needsScriptFont(const QString& code)
{
    return code == QLatin1String("hi");
}

// The installed font of each language whose script the program's own fonts
// lack, or an empty text. Devanagari: Lohit Devanagari on Linux (a font of
// Devanagari alone, so Latin letters keep their font), Nirmala UI on Windows 8
// and later, Mangal before.
QString scriptFamilyOf(const QString& code)
{
    if (!needsScriptFont(code)) {
        return {};
    }
    for (const QString& family :
        {QStringLiteral("Lohit Devanagari"), QStringLiteral("Nirmala UI"), QStringLiteral("Mangal")}) {
        if (isFontInstalled(family)) {
            return family;
        }
    }
    return {};
}

void setApplicationFont()
{
    // Without a font for its script every text would be boxes: the run
    // speaks English, said once.
    const QString language = sys::currentLanguage();
    if (needsScriptFont(language) && scriptFamilyOf(language).isEmpty()) {
        static bool warned = false;
        if (!std::exchange(warned, true)) {
            qWarning("No font of the script of \"%s\" is installed: the program speaks English.", qPrintable(language));
        }
        sys::speakForThisRun(QStringLiteral("en"));
    }
    static const QFont original = QApplication::font();
    QFont font = original;
    const QString family = scriptFamilyOf(sys::currentLanguage());
    if (!family.isEmpty()) {
        font.setFamilies(QStringList{family} + original.families());
    }
    if (font != QApplication::font()) {
        QApplication::setFont(font);
    }
}

} // namespace

bool isFontInstalled(const QString& family)
{
    static const QStringList installed = QFontDatabase::families();
    return installed.contains(family, Qt::CaseInsensitive);
}

QStringList scriptFamilies()
{
    const QString family = scriptFamilyOf(sys::currentLanguage());
    return !family.isEmpty() ? QStringList{family} : QStringList();
}

void followLanguageWithFont()
{
    static const bool connected = QObject::connect(
        sys::LanguageNotifier::instance(), &sys::LanguageNotifier::languageChanged, qApp, &setApplicationFont);
    Q_UNUSED(connected);
    setApplicationFont();
}

} // namespace ui
