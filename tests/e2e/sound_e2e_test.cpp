// The real program with a real sound output: a sound file no output can take
// is assigned to Start Game, and the program must come up and end normally.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include "tests/e2e/brackwaterscreen.h"
#include "tests/e2e/programcopy.h"
#include "tests/sound/pulseserver.h"
#include "tests/sound/wavebytes.h"
#include "tests/e2e/xdriver.h"

namespace {

const QString Player = QStringLiteral("Lowtone");
constexpr int ExitTimeoutMs = 15000;

TEST(SoundEndToEndTest, AFortyHertzStartGameSoundIsSilentAndTheProgramSurvivesTheStart)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X display";
    TPulseServer server;
    const QString problem = server.Start();
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();

    ProgramCopy program{QStringLiteral(BRACKWATER_PROGRAM), QStringLiteral(BRACKWATER_HELP_FILE)};
    ASSERT_TRUE(program.IsReady());
    const QString folder = QFileInfo(QString::fromStdString(program.SettingsFile().string())).absolutePath();
    ASSERT_TRUE(wavebytes::WriteFile(QDir(folder).filePath("rumble.wav"),
                                     wavebytes::Tone(0.5, 10, {wavebytes::Pcm, 1, 40, 16})));
    QFile settings(QString::fromStdString(program.SettingsFile().string()));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(("[" + Player + "]\nSound=1\nSound1=rumble\nPaths1=" + folder + "/\n").toUtf8());
    settings.close();

    program.UseSoundServer(qEnvironmentVariable("PULSE_SERVER"));
    XDriver x;
    BrackwaterScreen screen{x};
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(screen.ChoosePlayer(Player)) << "no player dialog, or it did not close";
    ASSERT_TRUE(screen.WaitForTable(Player)) << program.Output().toStdString();
    EXPECT_TRUE(program.IsRunning());
    ASSERT_TRUE(screen.ExitByMenu());
    ASSERT_TRUE(program.WaitForExit(ExitTimeoutMs));
    EXPECT_TRUE(program.ExitedNormally()) << program.Output().toStdString();
}

}  // namespace
