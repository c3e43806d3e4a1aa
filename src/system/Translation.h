#pragma once

#include <QList>
#include <QObject>
#include <QString>

// The languages the program speaks: English, the language its texts are
// written in, and every language whose translation is compiled in
// (":/i18n/vq-rudraksha-numerology_LANG.qm"). The choice follows the system's
// languages, unless the user has picked one (kept in the settings).
namespace sys {

struct Language {
    QString code; // "en", "hi"
    QString name; // in the language itself: "English", "हिन्दी"
};

// English first, then the translations, in the order of their codes.
QList<Language> availableLanguages();

// The language chosen: the user's, else the first of the system's languages
// that the program has, else English.
QString chosenLanguage();

// The language the program speaks now.
QString currentLanguage();

// Speaks the chosen language: installs the translators of the program and of
// Qt's own dialogs in the application object. Texts made afterwards speak it.
void applyLanguage();

// Keeps the user's choice, speaks it, and tells languageChanged().
void chooseLanguage(const QString& code);

// Speaks code for the rest of the run, the choice kept as it is.
void speakForThisRun(const QString& code);

// A text of the program (marked with QT_TRANSLATE_NOOP) in the chosen
// language, taken from its translation directly: for the words said while
// the application object is still being made, before any translator can be
// installed in it.
QString translatedNow(const char* context, const char* text);

// Tells when the user has chosen another language, so the window on screen
// can be made anew in it.
class LanguageNotifier final : public QObject {
    Q_OBJECT

public:
    static LanguageNotifier* instance();

signals:
    void languageChanged();
};

} // namespace sys
