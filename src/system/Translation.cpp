#include "system/Translation.h"

#include "system/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace sys {
namespace {

const QString kProgramPrefix = QStringLiteral("vq-rudraksha-numerology_");
const QString kEnglish = QStringLiteral("en");
const QString kTranslations = QStringLiteral(":/i18n");

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

// The program's own translation into code (for English, its plural forms
// alone), or nothing for a language it does not have.
std::unique_ptr<QTranslator> programTranslator(const QString& code)
{
    auto program = std::make_unique<QTranslator>();
    if (!isAvailable(code) || !program->load(kProgramPrefix + code, kTranslations)) {
        return nullptr;
    }
    return program;
}

void speak(const QString& code)
{
    Translators& installed = translators();
    for (auto* translator : {installed.program.get(), installed.qt.get()}) {
        if (translator != nullptr) {
            QCoreApplication::removeTranslator(translator);
        }
    }
    installed.program.reset();
    installed.qt.reset();
    installed.language = kEnglish;
    std::unique_ptr<QTranslator> program = programTranslator(code);
    if (!program) {
        return;
    }
    QCoreApplication::installTranslator(program.get());
    installed.program = std::move(program);
    installed.language = code;
    // Qt's own dialogs: our translation where Qt ships none, else Qt's.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qt_") + code, kTranslations)
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
        // Picked by name here: a name filter given to QDir is compiled into a
        // regular expression first.
        const QStringList files = QDir(kTranslations).entryList(QDir::Files, QDir::Name);
        const QString suffix = QStringLiteral(".qm");
        for (const QString& file : files) {
            if (file.startsWith(kProgramPrefix) && file.endsWith(suffix)) {
                const QString code = file.sliced(kProgramPrefix.size()).chopped(suffix.size());
                if (code == kEnglish) {
                    continue;
                }
                found.append({code, QLocale(code).nativeLanguageName()});
            }
        }
        return found;
    }();
    return languages;
}

QString chosenLanguage()
{
    const QString stored = Settings::language();
    return isAvailable(stored) ? stored : systemChoice();
}

QString currentLanguage()
{
    return translators().language;
}

void applyLanguage()
{
    speak(chosenLanguage());
}

void chooseLanguage(const QString& code)
{
    Settings::setLanguage(code);
    speak(code);
    emit LanguageNotifier::instance()->languageChanged();
}

void speakForThisRun(const QString& code)
{
    speak(code);
}

QString translatedNow(const char* context, const char* text)
{
    const std::unique_ptr<QTranslator> program = programTranslator(chosenLanguage());
    const QString translation = program ? program->translate(context, text) : QString();
    return translation.isEmpty() ? QString::fromUtf8(text) : translation;
}

LanguageNotifier* LanguageNotifier::instance()
{
    static auto* const notifier = new LanguageNotifier;
    return notifier;
}

} // namespace sys
