#pragma once

#include <QWidget>

#include "engine/gamesettings.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;
class TLanguageChooser;
class TOptionsHost;

// The "Options" page: plays counter, peek, difficulty, where a drawn card
// goes, the minimum draw pile, and how the game is played: resume, undo, outlines. Each control writes its setting at once.
class TOptionsPage final : public QWidget {
    Q_OBJECT

public:
    TOptionsPage(GameSettings& settings, TOptionsHost& host, QWidget* parent = nullptr);
    TOptionsPage(const TOptionsPage&) = delete;
    TOptionsPage& operator=(const TOptionsPage&) = delete;

    // Sets the controls from the settings. A stored value that no button
    // stands for leaves its group as it was.
    void ShowSettings();

private:
    void CreateControls();
    QRadioButton* AddRadio(QGroupBox* box, const char* name, const QString& caption, const QRect& bounds, int tag);
    void CheckTagged(QGroupBox* box, int tag);

    void boxPlaysClick();
    void boxPeekClick();
    void ClickLevel(int tag);
    void radPlaceTopClick();
    void radPlaceBottomClick();
    void ClickMinDraw(int tag);
    void CreatePlayControls();

    GameSettings& settings_;
    TOptionsHost& host_;

    QGroupBox* boxMisc = nullptr;
    QCheckBox* boxPlays = nullptr;
    QCheckBox* boxPeek = nullptr;
    QCheckBox* boxWinnable = nullptr;
    QGroupBox* boxDifficulty = nullptr;
    QRadioButton* radEasy = nullptr;
    QRadioButton* radHard = nullptr;
    QGroupBox* boxDrawCard = nullptr;
    QRadioButton* radPlaceTop = nullptr;
    QRadioButton* radPlaceBottom = nullptr;
    QGroupBox* boxDrawPile = nullptr;
    QRadioButton* radNone = nullptr;
    QRadioButton* rad20 = nullptr;
    QRadioButton* rad25 = nullptr;
    QRadioButton* rad30 = nullptr;
    QGroupBox* boxPlay = nullptr;
    QCheckBox* boxResume = nullptr;
    QCheckBox* boxOutlines = nullptr;
    QComboBox* cmbUndo = nullptr;
    TLanguageChooser* languageChooser_ = nullptr;
};
