#pragma once

#include <optional>

#include <QImage>
#include <QPoint>
#include <QString>

#include "tests/e2e/gameplan.h"
#include "tests/e2e/xdriver.h"

// The program as the player sees it: its windows by title and where their
// controls lie, driven by real clicks and keys. Each step waits, with a
// deadline, for the window it expects rather than for a fixed time.
class BrackwaterScreen {
public:
    explicit BrackwaterScreen(const XDriver& x) : x_(x) {}

    // The start-up player dialog: types the name when one is given (else
    // keeps the name it offers) and presses OK.
    bool ChoosePlayer(const QString& typedName = {});
    // Waits for the table of the player, the splash screen gone and the
    // menus usable after the deal.
    bool WaitForTable(const QString& playerName);
    bool WaitForMenus() const;
    bool MenusEnabled(const QImage& screen) const;

    const XWindow& MainWindow() const { return main_; }
    int MenuBarHeight() const;
    QPoint ScreenPointOf(const QPoint& clientPoint) const;

    void Play(const PlannedClick& click) const;
    // The lost game's dialog: where it stands, then closed with its OK button.
    std::optional<XWindow> WaitForGameOver() const;
    bool CloseGameOver(const XWindow& dialog) const;

    bool ExitByMenu() const;  // File, then Exit by its access key
    // Help, then Instructions by its access key; true once the help window
    // shows the contents page.
    bool OpenInstructions() const;
    std::optional<XWindow> OpenHistory(const QString& playerName) const;
    bool CloseHistory(const XWindow& dialog, const QString& playerName) const;

    // The top-left corner a dialog of this outer size gets when centred on the main window.
    QPoint CentredOnMain(const QSize& dialogSize) const;

private:
    const XDriver& x_;
    XWindow main_;
};
