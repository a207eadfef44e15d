// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QIcon>

#include "app/commandline.h"
#include "engine/player.h"
#include "sound/qtsoundplayer.h"
#include "store/settingsfile.h"
#include "store/settingsmigration.h"
#include "store/settingsstore.h"
#include "window/classiclook.h"
#include "translations/languageswitcher.h"
#include "window/frmmain.h"
#include "window/writeerrorbox.h"

namespace {

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/brackwater-%1.png").arg(size), QSize(size, size));
    return icon;
}

// An installed copy reads its help from its data folder; any other copy
// (a build tree, a portable copy) from beside the program.
QString HelpFile(const std::filesystem::path& dataFolder)
{
    const QString name = QStringLiteral("BRACKWTR.HLP");
    return dataFolder.empty() ? name : QString::fromStdString((dataFolder / name.toStdString()).string());
}

}  // namespace

// One current player for the whole run.
int main(int argc, char** argv)
{
    // A display name would be appended to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Brackwater"));
    QApplication::setApplicationVersion(QStringLiteral(BRACKWATER_VERSION));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BRACKWATER_APP_ID));
    if (const auto exitCode = AnswerInformationOptions(argc, argv))
        return *exitCode;

    QApplication app(argc, argv);
    if (const auto exitCode = RejectUnknownOptions(app))
        return *exitCode;
    UseClassicLook();
    // For desktops that do not look the icon up by the application id.
    QApplication::setWindowIcon(ProgramIcon());
    // The desktop's language until a player with a choice of their own is known.
    TLanguageSwitcher::Speak({});

    const std::filesystem::path program = std::filesystem::absolute(QCoreApplication::applicationFilePath().toStdString());
    const std::filesystem::path dataFolder = InstalledDataFolder(program, BRACKWATER_DATA_FROM_BIN);

    Player player;
    TQtSoundPlayer soundPlayer;
    // A file once kept beside the program (a portable copy, or an earlier
    // install under ~/.local) comes along into the configuration folder.
    const std::filesystem::path settingsFile = SettingsFile(program, !dataFolder.empty());
    const std::filesystem::path beside = SettingsFileBesideProgram(program);
    if (AdoptSettingsBesideProgram(beside, settingsFile))
        ShowPlainMessage(nullptr, QCoreApplication::translate("main", "The program's folder cannot be written, so your "
                                                                      "settings are now kept in\n%1\n\nThey were copied "
                                                                      "there from\n%2\nwhich is left as it was.")
                                      .arg(QString::fromStdString(settingsFile.string()),
                                           QString::fromStdString(beside.string())));
    TSettingsStore store(settingsFile);

    Tfrm_Main frm_Main(player, store, soundPlayer);
    frm_Main.SetHelpFile(HelpFile(dataFolder));
    frm_Main.FormCreate();
    if (frm_Main.IsEnding())
        return 0;
    return QApplication::exec();
}
