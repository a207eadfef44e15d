#include <QApplication>
#include <QTimer>

#include "window/frmmain.h"
#include "engine/gamehistory.h"
#include "engine/gamesettings.h"
#include "sound/qtsoundplayer.h"
#include "store/settingsfile.h"
#include "store/settingsstore.h"

// One settings record, history and player name for the whole run; the
// settings file lives beside the program where that can be written.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // A display name would be appended to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Brackwater"));

    GameSettings settings;
    GameHistory history;
    std::string playerName;
    TQtSoundPlayer soundPlayer;
    TSettingsStore store(SettingsFile(QCoreApplication::applicationFilePath().toStdString()));

    Tfrm_Main frm_Main(settings, history, playerName);
    frm_Main.SetHelpFile(QStringLiteral("BRACKWTR.HLP"));
    frm_Main.AttachServices(store, soundPlayer, playerName);
    frm_Main.FormCreate();
    if (frm_Main.IsEnding())
        return 0;
    return QApplication::exec();
}
