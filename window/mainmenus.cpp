#include "window/mainmenus.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* MakeCommand(QWidget& owner, const char* name, const QString& caption, QKeySequence shortcut = {})
{
    auto* action = new QAction(caption, &owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

TMainMenus::TMainMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("mnu_Main"));
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
    CreateHelpMenu(window);
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

void TMainMenus::SetMenusEnabled(bool enabled)
{
    FileMenu->menuAction()->setEnabled(enabled);
    Options->setEnabled(enabled);
    History->setEnabled(enabled);
    HelpMenu->menuAction()->setEnabled(enabled);
}
