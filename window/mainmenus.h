#pragma once

class QAction;
class QMainWindow;
class QMenu;

// The main window's menu bar: its menus and commands, built once. The window
// connects the commands; new commands are added here so that the bar is
// described in one place.
class TMainMenus {
public:
    explicit TMainMenus(QMainWindow& window);

    // A disabled menu also keeps the shortcut keys of its items from acting.
    void SetMenusEnabled(bool enabled);

    QMenu* FileMenu = nullptr;
    QAction* NewGame = nullptr;
    QAction* Replay = nullptr;
    QAction* NewPlayer = nullptr;
    QAction* Exit = nullptr;
    QAction* Options = nullptr;
    QAction* History = nullptr;
    QAction* Undo = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* Instructions = nullptr;
    QAction* About = nullptr;
    QAction* Redo = nullptr;     // shown only while every move can be undone
    QAction* PlayOut = nullptr;
    QMenu* AdviceMenu = nullptr;
    QAction* Hint = nullptr;
    QAction* ShowVerdict = nullptr;
    // The table's size and the window's state; it stays enabled throughout,
    // since none of it touches the game.
    QMenu* ViewMenu = nullptr;
    QAction* ZoomIn = nullptr;
    QAction* ZoomOut = nullptr;
    QAction* Zoom100 = nullptr;
    QAction* Zoom150 = nullptr;
    QAction* Zoom200 = nullptr;
    QAction* Zoom300 = nullptr;
    QAction* ZoomFit = nullptr;
    QAction* FullScreen = nullptr;

private:
    void AddDesktopKeys();
    void CreateFileMenu(QMainWindow& window);
    void CreateHelpMenu(QMainWindow& window);
    void CreateAdviceMenu(QMainWindow& window);
    void CreateViewMenu(QMainWindow& window);
};
