#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "engine/player.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class TImage;
class QLabel;
class TSettingsStore;

// The player dialog: a name typed or picked from the four most recent
// players. It keeps that list in the "Settings" section itself, can delete a
// player's section, and at start-up offers Exit instead of Delete.
// It lives for the whole run; every showing starts afresh from the file.
class Tfrm_Player final : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 331;
    static constexpr int ClientHeight = 249;
    static constexpr int DesignedLeft = 228;
    static constexpr int DesignedTop = 157;

    // The current player's name is preset in the name box and replaced by the
    // name accepted.
    Tfrm_Player(TSettingsStore& store, Player& player, QWidget* parent = nullptr);
    Tfrm_Player(const Tfrm_Player&) = delete;
    Tfrm_Player& operator=(const Tfrm_Player&) = delete;

    // Start-up: Exit stands in Delete's place and Delete is hidden.
    void SetStartupForm();
    // Later showings: Delete in its place, no Exit.
    void SetLaterForm();

    // How the dialog last closed: Exit, or OK with the player renamed.
    // Exit until a name has been accepted.
    bool ChoseExit() const { return choseExit_; }

    QStringList ListedNames() const;

    // Escape and a close request leave the dialog open: only OK and Exit close
    // it. In the later form, once OK has failed to write the file, they close
    // it and the current player stays.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateNameBox();
    void CreateButtons();
    void FormShow();
    void AddListEntry(int position, const QString& name);
    void ChooseEntry(QListWidgetItem* item);
    void MoveSelection(int step);
    void PutInEditLine(const QString& name);
    void MoveNameToTop(const QString& name);
    std::vector<std::string> RecentPlayers() const;

    void cmb_PlayerClick();
    void cmb_PlayerDblClick(QListWidgetItem* item);
    bool cmb_PlayerKeyDown(int key);
    void AcceptPlayer();
    void AskDelete();  // the button: asks, then deletes
    void btn_DeleteClick();
    void btn_ExitClick();

    TSettingsStore& store_;
    std::string& playerName_;
    bool choseExit_ = true;
    bool startupForm_ = true;
    bool acceptFailed_ = false;
    std::string playerAtShow_;

    TImage* icon_ = nullptr;
    QLabel* descLabel_ = nullptr;
    QWidget* playerBox_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QListWidget* nameList_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
