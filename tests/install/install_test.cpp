// The program installed into a temporary prefix, as the desktop, a packager
// and a player meet it: the files laid out, the menu entry and the software
// centre's data valid, the command line answered without a display, and a
// run that finds its help and keeps its settings in the config folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/e2e/brackwaterscreen.h"
#include "tests/e2e/inilookup.h"
#include "tests/e2e/xdriver.h"

namespace {

constexpr int InstallTimeoutMs = 120000;
constexpr int CommandTimeoutMs = 30000;
const QString AppId = QStringLiteral(BRACKWATER_APP_ID);
const QString Player = QStringLiteral("Installer");

struct Finished {
    int exitCode = -1;
    QString output;
};

Finished RunToEnd(const QString& program, const QStringList& arguments,
                  const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(CommandTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const int code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {code, QString::fromLocal8Bit(process.readAll())};
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll()) : QString();
}

QString FirstMatch(const QString& text, const QString& pattern)
{
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).captured(1);
}

class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix_ = new QTemporaryDir;
        const Finished install = RunToEnd(QStringLiteral(CMAKE_COMMAND),
                                          {QStringLiteral("--install"), QStringLiteral(BRACKWATER_BUILD_DIR),
                                           QStringLiteral("--prefix"), prefix_->path()});
        installed_ = install.exitCode == 0;
        installOutput_ = new QString(install.output);
    }

    static void TearDownTestSuite()
    {
        delete prefix_;
        delete installOutput_;
    }

    void SetUp() override { ASSERT_TRUE(installed_) << qPrintable(*installOutput_); }

    static QString Installed(const QString& relative) { return QDir(prefix_->path()).filePath(relative); }
    static QString Program() { return Installed(QStringLiteral("bin/brackwater")); }

    static QTemporaryDir* prefix_;
    static QString* installOutput_;
    static bool installed_;
};

QTemporaryDir* InstallTest::prefix_ = nullptr;
QString* InstallTest::installOutput_ = nullptr;
bool InstallTest::installed_ = false;

TEST_F(InstallTest, LaysOutTheProgramWithItsHelpIconsManualAndLicence)
{
    EXPECT_TRUE(QFileInfo(Program()).isExecutable());
    // Stripped: the file names neither a symbol table nor debug sections.
    QFile program(Program());
    ASSERT_TRUE(program.open(QIODevice::ReadOnly));
    const QByteArray bytes = program.readAll();
    EXPECT_FALSE(bytes.contains(".symtab"));
    EXPECT_FALSE(bytes.contains(".debug_info"));
    for (const char* file : {"share/brackwater/BRACKWTR.HLP", "share/brackwater/BRACKWTR.de.HLP", "share/brackwater/BRACKWTR.fr.HLP",
                             "share/man/man6/brackwater.6", "share/doc/brackwater/LICENSE"})
        EXPECT_TRUE(QFileInfo(Installed(QLatin1String(file))).isFile()) << file;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString icon = Installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId));
        EXPECT_EQ(QImage(icon).size(), QSize(size, size)) << qPrintable(icon);
    }
}

TEST_F(InstallTest, MenuEntryAndSoftwareCentreDataAreValidAndAgree)
{
    const QString desktop = Installed(QStringLiteral("share/applications/%1.desktop").arg(AppId));
    const QString metainfo = Installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(AppId));
    if (QStringLiteral(DESKTOP_FILE_VALIDATE).isEmpty() || QStringLiteral(APPSTREAMCLI).isEmpty())
        GTEST_SKIP() << "needs desktop-file-validate and appstreamcli";
    const Finished desktopCheck = RunToEnd(QStringLiteral(DESKTOP_FILE_VALIDATE), {desktop});
    EXPECT_EQ(desktopCheck.exitCode, 0) << qPrintable(desktopCheck.output);
    const Finished metainfoCheck = RunToEnd(QStringLiteral(APPSTREAMCLI), {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
    EXPECT_EQ(metainfoCheck.exitCode, 0) << qPrintable(metainfoCheck.output);

    // The entry starts the installed program and shows the installed icon.
    const QString entry = ReadText(desktop);
    EXPECT_TRUE(QFileInfo(Installed(QStringLiteral("bin/") + FirstMatch(entry, QStringLiteral("^Exec=(\\S+)")))).isExecutable());
    EXPECT_EQ(FirstMatch(entry, QStringLiteral("^Icon=(.+)$")), AppId);
    EXPECT_EQ(FirstMatch(entry, QStringLiteral("^Categories=(.+)$")), QStringLiteral("Game;CardGame;"));
    // The newest release is the one the program says it is.
    const QString data = ReadText(metainfo);
    EXPECT_EQ(FirstMatch(data, QStringLiteral("<id>([^<]+)</id>")), AppId);
    EXPECT_EQ(FirstMatch(data, QStringLiteral("<release version=\"([^\"]+)\"")), QStringLiteral(BRACKWATER_VERSION));
}

TEST_F(InstallTest, AnswersVersionAndHelpWithoutADisplay)
{
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    noDisplay.remove(QStringLiteral("DISPLAY"));
    noDisplay.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // The X platform would end the program at once without a display.
    noDisplay.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const Finished version = RunToEnd(Program(), {QStringLiteral("--version")}, noDisplay);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output.trimmed(), QStringLiteral("Brackwater " BRACKWATER_VERSION));
    const Finished help = RunToEnd(Program(), {QStringLiteral("-h")}, noDisplay);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.contains(QLatin1String("--version"))) << qPrintable(help.output);

    noDisplay.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const Finished unknown = RunToEnd(Program(), {QStringLiteral("--deal-faster")}, noDisplay);
    EXPECT_NE(unknown.exitCode, 0);
    EXPECT_TRUE(unknown.output.contains(QLatin1String("Unknown option 'deal-faster'"))) << qPrintable(unknown.output);
}

// The prefix's bin folder can be written, as under ~/.local: the settings
// must still go to the config folder.
TEST_F(InstallTest, ARunShowsItsIconFindsItsHelpAndKeepsSettingsInTheConfigFolder)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X display";
    const QTemporaryDir home;
    const QString config = QDir(home.path()).filePath(QStringLiteral("config"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + QDir(home.path()).filePath(QStringLiteral("no-sound-server")));
    QProcess run;
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(Program(), {});
    ASSERT_TRUE(run.waitForStarted());

    const XDriver x;
    BrackwaterScreen screen(x);
    EXPECT_TRUE(screen.ChoosePlayer(Player));
    ASSERT_TRUE(screen.WaitForTable(Player));
    // The desktop ties the window to the menu entry by its class, and shows
    // the icon the window carries.
    const Finished properties = RunToEnd(QStringLiteral("xprop"), {QStringLiteral("-id"), screen.MainWindow().id,
                                                                   QStringLiteral("WM_CLASS"), QStringLiteral("_NET_WM_ICON")});
    const QString entry = ReadText(Installed(QStringLiteral("share/applications/%1.desktop").arg(AppId)));
    EXPECT_EQ(FirstMatch(properties.output, QStringLiteral("^WM_CLASS.*, \"(.+)\"$")), FirstMatch(entry, QStringLiteral("^StartupWMClass=(.+)$")));
    EXPECT_TRUE(properties.output.contains(QLatin1String("Icon (16 x 16)"))) << "no window icon";
    EXPECT_TRUE(screen.OpenInstructions()) << "the help window shows no contents page";
    run.kill();
    run.waitForFinished();

    // The player dialog has saved the choice by now.
    const std::filesystem::path settings = (config + QStringLiteral("/Brackwater/brackwater.INI")).toStdString();
    EXPECT_EQ(IniValue(settings, "Settings", "Previous0"), Player.toStdString()) << QString::fromLocal8Bit(run.readAll()).toStdString();
    EXPECT_FALSE(QFileInfo::exists(Installed(QStringLiteral("bin/brackwater.INI"))));
}

}  // namespace
