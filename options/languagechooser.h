#pragma once

#include <QWidget>

#include "engine/gamesettings.h"

class QComboBox;
class QLabel;

// The player's language on the Options page: the desktop's, or one of the
// languages the program speaks. A choice takes effect at once, in the open
// windows too.
class TLanguageChooser final : public QWidget {
    Q_OBJECT

public:
    TLanguageChooser(GameSettings& settings, QWidget* parent = nullptr);
    TLanguageChooser(const TLanguageChooser&) = delete;
    TLanguageChooser& operator=(const TLanguageChooser&) = delete;

    // Marks the player's language; one the program does not speak shows as
    // the desktop's, and is kept until the player chooses another.
    void ShowSettings();

private:
    void Choose(int index);

    GameSettings& settings_;
    QLabel* lblLanguage = nullptr;
    QComboBox* cmbLanguage = nullptr;
};
