#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TBevel;
class TCarddeck;
class TPanel;

// The about box. At start-up it first serves as the welcome screen
// ("Welcome to", no OK button); BecomeAboutDialog turns it into the about box.
class Tfrm_About final : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 287;
    static constexpr int ClientHeight = 303;

    explicit Tfrm_About(QWidget* parent = nullptr);
    Tfrm_About(const Tfrm_About&) = delete;
    Tfrm_About& operator=(const Tfrm_About&) = delete;

    void BecomeAboutDialog();
    void BecomeWelcomeScreen();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void btn_OKClick();

    TPanel* aboutPanel_ = nullptr;
    TBevel* bevel_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* subtitleLabel_ = nullptr;
    QLabel* licenceLabel_ = nullptr;
    TCarddeck* card_ = nullptr;
    QPushButton* okButton_ = nullptr;
    bool shownBefore_ = false;
};
