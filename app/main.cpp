#include <QApplication>
#include <QTimer>

#include "engine/player.h"
#include "window/frmmain.h"
#include "sound/qtsoundplayer.h"
#include "store/settingsfile.h"
#include "store/settingsstore.h"

// One current player for the whole run; the settings file lives beside the
// program where that can be written.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // A display name would be appended to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Brackwater"));

    Player player;
    TQtSoundPlayer soundPlayer;
    TSettingsStore store(SettingsFile(QCoreApplication::applicationFilePath().toStdString()));

    Tfrm_Main frm_Main(player, store, soundPlayer);
    frm_Main.SetHelpFile(QStringLiteral("BRACKWTR.HLP"));
    frm_Main.FormCreate();
    if (frm_Main.IsEnding())
        return 0;
    return QApplication::exec();
}
