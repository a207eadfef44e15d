#include <cstdint>
#include <string>

#include <QApplication>
#include <QDateTime>
#include <QTimer>

#include "frmmain.h"
#include "gamehistory.h"
#include "gamesettings.h"

namespace {
constexpr int DefaultWindowLeft = 10;
constexpr int DefaultWindowTop = 10;
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brackwater"));
    QApplication::setApplicationDisplayName(QStringLiteral("Brackwater"));

    GameSettings settings;
    GameHistory history;
    const std::string playerName = "Player";

    Tfrm_Main frm_Main(settings, history, playerName);
    frm_Main.SetHelpFile(QStringLiteral("BRACKWTR.HLP"));
    const int msecsSinceMidnight = QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
    frm_Main.GameEngine().SeedRandom(static_cast<std::uint32_t>(msecsSinceMidnight));
    frm_Main.move(DefaultWindowLeft, DefaultWindowTop);
    frm_Main.show();
    // The first deal runs once the window is up and the event loop turns.
    QTimer::singleShot(0, &frm_Main, [&frm_Main] { frm_Main.GameEngine().NewGame(); });
    return QApplication::exec();
}
