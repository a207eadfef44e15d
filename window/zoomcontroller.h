#pragma once

#include <QObject>
#include <QSize>

#include "engine/gamesettings.h"
#include "store/settingsstore.h"

class QMainWindow;
class TCardTable;
class TMainMenus;
class TTableView;

// The View menu's work: the table's zoom (a fixed step or fit to window),
// the window's size that goes with it, and full screen. The zoom is the
// player's setting and is kept in it as soon as it changes.
class TZoomController final : public QObject {
    Q_OBJECT

public:
    // Puts the table, in a view of its own, into the window as its contents.
    TZoomController(QMainWindow& window, TCardTable& table, TMainMenus& menus, GameSettings& settings);

    TTableView& View() { return *view_; }

    // The player's zoom and the window's saved size and state.
    void Restore(const WindowPosition& saved);
    // The window's size and state to save beside its position.
    void Store(WindowPosition& place) const;

    // A step in percent or ZoomFitWindow.
    void ChooseZoom(int zoom);
    void ZoomIn();
    void ZoomOut();
    void ToggleFullScreen();

private:
    void ConnectMenus();
    void ShowZoom();
    void FitWindowToTable();
    void ShowChoice();
    bool WindowIsSizedByDesktop() const;
    QSize ScreenRoom() const;

    QMainWindow& window_;
    TCardTable& table_;
    TMainMenus& menus_;
    GameSettings& settings_;
    TTableView* view_;
};
