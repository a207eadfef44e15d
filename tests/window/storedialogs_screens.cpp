// Takes the pictures of the player and history dialogs for the README:
//   xvfb-run -s "-screen 0 1024x768x24" storedialogs_screens docs
#include <string>

#include <QApplication>
#include <QDir>
#include <QTest>

#include "window/frmhist.h"
#include "window/frmplay.h"
#include "engine/gamehistory.h"
#include "store/settingsstore.h"
#include "tests/support/tempfolder.h"

namespace {

const char* const SampleSettings =
    "[Settings]\nPrevious0=Ann\nPrevious1=Ann\nPrevious2=Bob\nPrevious3=Chris\nPrevious4=Dee\n";

void Save(QWidget& dialog, const QDir& folder, const QString& name)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        qWarning("%s was never shown", qPrintable(name));
    QApplication::processEvents();
    if (!dialog.grab().save(folder.filePath(name)))
        qWarning("cannot write %s", qPrintable(folder.filePath(name)));
    dialog.hide();
}

GameHistory SampleHistory()
{
    struct Game {
        int drawStart;
        int cardsLeft;
    };
    const Game games[] = {{14, 0}, {14, 23}, {15, 31}, {16, 0}, {17, 12}, {17, 40}, {18, 0},
                          {20, 27}, {21, 0},  {21, 9},  {23, 55}, {26, 0}, {30, 61}, {33, 18}};
    GameHistory history;
    for (const Game& g : games)
        history.RecordResult(g.drawStart, g.cardsLeft);
    return history;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Brackwater"));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    TempFolder folder;
    WriteText(folder / "BRACKWTR.INI", SampleSettings);
    TSettingsStore store(folder / "BRACKWTR.INI");
    Player current{store.ReadPrevious(0), {}, SampleHistory()};

    Tfrm_Player player(store, current);
    player.SetStartupForm();
    Save(player, out, QStringLiteral("player.png"));

    Tfrm_Hist hist(current, store);
    Save(hist, out, QStringLiteral("history.png"));
    return 0;
}
