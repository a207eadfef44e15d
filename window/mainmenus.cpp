#include "window/mainmenus.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "window/allkeysmenustyle.h"

namespace {

QAction* MakeCommand(QWidget& owner, const char* name, const QString& caption, QKeySequence shortcut = {})
{
    auto* action = new QAction(caption, &owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

QAction* MakeZoomChoice(QWidget& owner, QActionGroup& group, const char* name, const QString& caption)
{
    QAction* action = MakeCommand(owner, name, caption);
    action->setCheckable(true);
    group.addAction(action);
    return action;
}

}  // namespace

TMainMenus::TMainMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("mnu_Main"));
    bar->setAccessibleName(QCoreApplication::translate("TMainMenus", "Menu bar"));
    // Menus keep the desktop's menu font rather than the window font.
    QFont menuFont = QApplication::font(bar);
    menuFont.setResolveMask(QFont::AllPropertiesResolved);
    bar->setFont(menuFont);

    CreateFileMenu(window);
    Options = MakeCommand(window, "mnu_Options", QCoreApplication::translate("TMainMenus", "&Options"));
    History = MakeCommand(window, "mnu_History", QCoreApplication::translate("TMainMenus", "H&istory"));
    Undo = MakeCommand(window, "mnu_Undo", QCoreApplication::translate("TMainMenus", "&Undo"));
    bar->addAction(Options);
    bar->addAction(History);
    bar->addAction(Undo);
    Redo = MakeCommand(window, "mnu_Redo", QCoreApplication::translate("TMainMenus", "&Redo"));
    Redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    bar->addAction(Redo);
    CreateAdviceMenu(window);
    CreateHelpMenu(window);
    CreateViewMenu(window);
    AddDesktopKeys();
}

// The keys every desktop program knows work beside the classic ones, which
// stay first; the menus show them all.
void TMainMenus::AddDesktopKeys()
{
    NewGame->setShortcuts({NewGame->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N)});
    Exit->setShortcuts({Exit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q)});
    Undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Instructions->setShortcut(QKeySequence(Qt::Key_F1));
    auto* style = new TAllKeysMenuStyle(FileMenu);
    FileMenu->setStyle(style);
    HelpMenu->setStyle(style);
}

void TMainMenus::CreateFileMenu(QMainWindow& window)
{
    FileMenu = window.menuBar()->addMenu(QCoreApplication::translate("TMainMenus", "&File"));
    FileMenu->setObjectName(QStringLiteral("mnu_File"));
    NewGame = MakeCommand(window, "mnu_Newgame", QCoreApplication::translate("TMainMenus", "&New Game"), QKeySequence(Qt::Key_F2));
    Replay = MakeCommand(window, "mnuReplay", QCoreApplication::translate("TMainMenus", "&Replay Same Deck"), QKeySequence(Qt::Key_F6));
    NewPlayer = MakeCommand(window, "mnu_Newplayer", QCoreApplication::translate("TMainMenus", "New &Player"), QKeySequence(Qt::Key_F3));
    Exit = MakeCommand(window, "mnu_Exit", QCoreApplication::translate("TMainMenus", "E&xit"), QKeySequence(Qt::Key_F7));
    FileMenu->addAction(NewGame);
    FileMenu->addAction(Replay);
    PlayOut = MakeCommand(window, "mnu_PlayOut", QCoreApplication::translate("TMainMenus", "Play &Out"));
    FileMenu->addAction(PlayOut);
    FileMenu->addSeparator()->setObjectName(QStringLiteral("N3"));
    FileMenu->addAction(NewPlayer);
    FileMenu->addSeparator()->setObjectName(QStringLiteral("N1"));
    FileMenu->addAction(Exit);
}

void TMainMenus::CreateHelpMenu(QMainWindow& window)
{
    HelpMenu = window.menuBar()->addMenu(QCoreApplication::translate("TMainMenus", "&Help"));
    HelpMenu->setObjectName(QStringLiteral("mnu_Help"));
    Instructions = MakeCommand(window, "mnu_Instruction", QCoreApplication::translate("TMainMenus", "&Instructions"));
    About = MakeCommand(window, "mnu_About", QCoreApplication::translate("TMainMenus", "&About"));
    HelpMenu->addAction(Instructions);
    HelpMenu->addSeparator()->setObjectName(QStringLiteral("N2"));
    HelpMenu->addAction(About);
}

// Help stays the last menu of the bar, as on every desktop.
void TMainMenus::CreateAdviceMenu(QMainWindow& window)
{
    AdviceMenu = window.menuBar()->addMenu(QCoreApplication::translate("TMainMenus", "&Advice"));
    AdviceMenu->setObjectName(QStringLiteral("mnu_Advice"));
    Hint = MakeCommand(window, "mnu_Hint", QCoreApplication::translate("TMainMenus", "&Hint"), QKeySequence(Qt::Key_H));
    ShowVerdict = MakeCommand(window, "mnu_ShowVerdict", QCoreApplication::translate("TMainMenus", "Show &Verdict"));
    ShowVerdict->setCheckable(true);
    AdviceMenu->addAction(Hint);
    AdviceMenu->addAction(ShowVerdict);
}

// Between the commands on the bar and Help, where desktop programs keep it.
void TMainMenus::CreateViewMenu(QMainWindow& window)
{
    ViewMenu = new QMenu(QCoreApplication::translate("TMainMenus", "&View"), &window);
    ViewMenu->setObjectName(QStringLiteral("mnu_View"));
    window.menuBar()->insertMenu(HelpMenu->menuAction(), ViewMenu);
    ZoomIn = MakeCommand(window, "mnu_ZoomIn", QCoreApplication::translate("TMainMenus", "Zoom &In"));
    ZoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ZoomOut = MakeCommand(window, "mnu_ZoomOut", QCoreApplication::translate("TMainMenus", "Zoom &Out"));
    ZoomOut->setShortcuts(QKeySequence::ZoomOut);
    auto* choices = new QActionGroup(&window);
    Zoom100 = MakeZoomChoice(window, *choices, "mnu_Zoom100", QCoreApplication::translate("TMainMenus", "&100% (Classic Size)"));
    Zoom100->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    Zoom150 = MakeZoomChoice(window, *choices, "mnu_Zoom150", QCoreApplication::translate("TMainMenus", "1&50%"));
    Zoom200 = MakeZoomChoice(window, *choices, "mnu_Zoom200", QCoreApplication::translate("TMainMenus", "&200%"));
    Zoom300 = MakeZoomChoice(window, *choices, "mnu_Zoom300", QCoreApplication::translate("TMainMenus", "&300%"));
    ZoomFit = MakeZoomChoice(window, *choices, "mnu_ZoomFit", QCoreApplication::translate("TMainMenus", "&Fit to Window"));
    FullScreen = MakeCommand(window, "mnu_FullScreen", QCoreApplication::translate("TMainMenus", "F&ull Screen"), QKeySequence(Qt::Key_F11));
    FullScreen->setCheckable(true);
    ViewMenu->addActions({ZoomIn, ZoomOut});
    ViewMenu->addSeparator();
    ViewMenu->addActions({Zoom100, Zoom150, Zoom200, Zoom300, ZoomFit});
    ViewMenu->addSeparator();
    ViewMenu->addAction(FullScreen);
}

void TMainMenus::SetMenusEnabled(bool enabled)
{
    FileMenu->menuAction()->setEnabled(enabled);
    Options->setEnabled(enabled);
    History->setEnabled(enabled);
    HelpMenu->menuAction()->setEnabled(enabled);
    AdviceMenu->menuAction()->setEnabled(enabled);
}
