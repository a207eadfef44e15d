#pragma once

#include <string>

#include <QString>
#include <QStringList>

// Which language the program speaks: its own catalogues (built into the
// program) and Qt's (from the system's Qt translations folder), chosen from
// the player's choice and the desktop's preferred languages.
class TLanguageSwitcher final {
public:
    // The languages with a catalogue of the program's own, English first.
    static QStringList AvailableLanguages();

    // Speaks the language the player chose (empty: the desktop's), from now
    // on, and translates every open window's texts anew. Returns its code.
    static QString Speak(const std::string& playerChoice);
    static QString Spoken();

    // A language's name in itself, such as "Deutsch" or "Français".
    static QString NativeName(const QString& code);

    // The same file in the spoken language (BRACKWTR.de.HLP beside
    // BRACKWTR.HLP) when there is one, else the path as it is.
    static QString LocalizedFile(const QString& path);
};
