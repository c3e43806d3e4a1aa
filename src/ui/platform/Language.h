#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// The languages the program speaks: English, the language its texts are
// written in, and every language whose translation is compiled in
// (":/i18n/vq-rudraksha-numerology_LANG.qm"). The choice follows the system's
// languages, unless the user has picked one (stored per user).
namespace ui {

struct Language {
    QString code; // "en", "hi"
    QString name; // in the language itself: "English", "हिन्दी"
};

// English first, then the translations, in the order of their codes.
QList<Language> availableLanguages();

// The language the program speaks now.
QString currentLanguage();

// Speaks the stored choice, else the first of the system's languages that the
// program has, else English: installs the translators of the program and of
// Qt's own dialogs. Windows made afterwards speak it.
void applyLanguage();

// The font families that the language spoken now asks for ahead of the
// program's own, for a script of its own (Devanagari for Hindi); none for
// English.
QStringList scriptFamilies();

// Stores the user's choice, speaks it, and tells languageChanged().
void chooseLanguage(const QString& code);

// Tells when the user has chosen another language, so the window on screen
// can be made anew in it.
class LanguageNotifier final : public QObject {
    Q_OBJECT

public:
    static LanguageNotifier* instance();

signals:
    void languageChanged();
};

} // namespace ui
