#pragma once

#include <QDialog>

#include "options/colorpage.h"
#include "engine/gamesettings.h"

class QColorDialog;
class QPushButton;
class QTabWidget;
class TCardBackPage;
class TOptionsHost;
class TOptionsPage;
class TSoundPage;
class TSoundPlayer;

// The options dialog: four pages editing the current player's settings in
// place. Every change is written and carried onto the table the moment it is
// made; OK only closes. Created once and shown modally for each use.
class TfrmOptions final : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 529;
    static constexpr int ClientHeight = 355;  // one row more than the classic 319, for the language

    TfrmOptions(GameSettings& settings, bool waveDeviceAvailable, TOptionsHost& host, TSoundPlayer& player,
                QWidget* parent = nullptr);
    TfrmOptions(const TfrmOptions&) = delete;
    TfrmOptions& operator=(const TfrmOptions&) = delete;

    // How the colour dialog is run and a refused colour reported; tests put
    // in answers instead of modal windows.
    void SetColorChooser(TColorPage::TColorChooser chooser);
    void SetRefusalShower(TColorPage::TRefusalShower shower);

    TSoundPage& SoundPage() { return *soundPage_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls(GameSettings& settings, bool waveDeviceAvailable, TSoundPlayer& player);
    void FormShow();
    void PageControl1Change(int index);
    void btn_HelpClick();

    TOptionsHost& host_;
    QTabWidget* pages_ = nullptr;
    TOptionsPage* optionsPage_ = nullptr;
    TCardBackPage* cardBackPage_ = nullptr;
    TColorPage* colorPage_ = nullptr;
    TSoundPage* soundPage_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QColorDialog* colorDialog_ = nullptr;
};
