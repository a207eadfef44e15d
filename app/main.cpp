#include <QApplication>
#include <QTimer>

#include "frmmain.h"
#include "gamehistory.h"
#include "gamesettings.h"
#include "qtsoundplayer.h"
#include "settingsfile.h"
#include "settingsmigration.h"
#include "settingsstore.h"
#include "writeerrorbox.h"

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
    const std::filesystem::path program = std::filesystem::absolute(QCoreApplication::applicationFilePath().toStdString());
    const std::filesystem::path settingsFile = SettingsFile(program);
    if (const auto notice = AdoptSettingsBesideProgram(SettingsFileBesideProgram(program), settingsFile))
        ShowPlainMessage(nullptr, QString::fromStdString(*notice));
    TSettingsStore store(settingsFile);

    Tfrm_Main frm_Main(settings, history, playerName);
    frm_Main.SetHelpFile(QStringLiteral("BRACKWTR.HLP"));
    frm_Main.AttachServices(store, soundPlayer, playerName);
    frm_Main.FormCreate();
    if (frm_Main.IsEnding())
        return 0;
    return QApplication::exec();
}
