#include "ui/platform/Language.h"

#include "ui/platform/UserSettings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace ui {
namespace {

const QString kProgramPrefix = QStringLiteral("vq-rudraksha-numerology_");
const QString kEnglish = QStringLiteral("en");

QString storedChoiceKey()
{
    return QStringLiteral("Language/uiLanguage");
}

struct Translators {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
    QString language = kEnglish;
};

Translators& translators()
{
    static Translators installed;
    return installed;
}

bool isAvailable(const QString& code)
{
    for (const Language& language : availableLanguages()) {
        if (language.code == code) {
            return true;
        }
    }
    return false;
}

// The first of the system's languages ("hi-IN", "hi", "en-US" ...) that the
// program speaks.
QString systemChoice()
{
    for (const QString& tag : QLocale::system().uiLanguages()) {
        QString code = QLocale(tag).name().section(QLatin1Char('_'), 0, 0);
        if (isAvailable(code)) {
            return code;
        }
    }
    return kEnglish;
}

// The installed font of each language whose script the program's own fonts
// lack, or an empty text. Devanagari: Lohit Devanagari on Linux (a font of
// Devanagari alone, so Latin letters keep their font), Nirmala UI on Windows 8
// and later, Mangal before.
QString scriptFamilyOf(const QString& code)
{
    if (code != QLatin1String("hi")) {
        return {};
    }
    for (const QString& family :
        {QStringLiteral("Lohit Devanagari"), QStringLiteral("Nirmala UI"), QStringLiteral("Mangal")}) {
        if (QFontDatabase::hasFamily(family)) {
            return family;
        }
    }
    return {};
}

// Menus, tabs and Qt's dialogs speak the language in its own font as well.
void setApplicationFont(const QString& code)
{
    static const QFont original = QApplication::font();
    QFont font = original;
    const QString family = scriptFamilyOf(code);
    if (!family.isEmpty()) {
        font.setFamilies(QStringList{family} + original.families());
    }
    if (font != QApplication::font()) {
        QApplication::setFont(font);
    }
}

void speak(const QString& code)
{
    setApplicationFont(isAvailable(code) ? code : kEnglish);
    Translators& installed = translators();
    for (auto* translator : {installed.program.get(), installed.qt.get()}) {
        if (translator != nullptr) {
            QCoreApplication::removeTranslator(translator);
        }
    }
    installed.program.reset();
    installed.qt.reset();
    installed.language = kEnglish;
    if (code == kEnglish || !isAvailable(code)) {
        return;
    }
    auto program = std::make_unique<QTranslator>();
    if (!program->load(kProgramPrefix + code, QStringLiteral(":/i18n"))) {
        return;
    }
    QCoreApplication::installTranslator(program.get());
    installed.program = std::move(program);
    installed.language = code;
    // Qt's own dialogs: our translation where Qt ships none, else Qt's.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qt_") + code, QStringLiteral(":/i18n"))
        || qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed.qt = std::move(qt);
    }
}

} // namespace

QList<Language> availableLanguages()
{
    // The compiled-in translations do not change while the program runs.
    static const QList<Language> languages = [] {
        QList<Language> found{{kEnglish, QStringLiteral("English")}};
        const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({kProgramPrefix + QStringLiteral("*.qm")});
        for (const QString& file : files) {
            const QString code = file.mid(kProgramPrefix.size()).chopped(3);
            found.append({code, QLocale(code).nativeLanguageName()});
        }
        return found;
    }();
    return languages;
}

QStringList scriptFamilies()
{
    const QString family = scriptFamilyOf(currentLanguage());
    return !family.isEmpty() ? QStringList{family} : QStringList();
}

QString currentLanguage()
{
    return translators().language;
}

void applyLanguage()
{
    const QString stored = userSettings().value(storedChoiceKey()).toString();
    speak(isAvailable(stored) ? stored : systemChoice());
}

void chooseLanguage(const QString& code)
{
    changeUserSettings([&code](QSettings& settings) { settings.setValue(storedChoiceKey(), code); });
    speak(code);
    emit LanguageNotifier::instance()->languageChanged();
}

LanguageNotifier* LanguageNotifier::instance()
{
    static auto* const notifier = new LanguageNotifier;
    return notifier;
}

} // namespace ui
