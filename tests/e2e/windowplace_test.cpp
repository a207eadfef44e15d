// The real program under Xvfb with a real window manager: the window's place
// is kept exactly from run to run, and a place off the screen is pulled back.
#include <fstream>
#include <iostream>
#include <optional>
#include <utility>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QRect>
#include <QThread>

#include "tests/e2e/brackwaterscreen.h"
#include "tests/e2e/inilookup.h"
#include "tests/e2e/programcopy.h"
#include "tests/e2e/xdriver.h"

// Readable points in failure messages.
void PrintTo(const QPoint& point, std::ostream* out)
{
    *out << '(' << point.x() << ", " << point.y() << ')';
}

namespace {

const QString Player = QStringLiteral("Wanda");
constexpr int ExitTimeoutMs = 15000;
constexpr int WindowManagerTimeoutMs = 10000;
constexpr int SettleMs = 300;
const QRect Screen{0, 0, 1024, 768};

bool WindowManagerRuns()
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    return xprop.waitForFinished() && xprop.readAllStandardOutput().contains("window id");
}

class WindowPlaceTest : public ::testing::Test {
protected:
    // One window manager for all the tests: a second one would find the
    // first one's marks on the display and seem ready before it is.
    static void SetUpTestSuite()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return;
        windowManager = new QProcess;
        windowManager->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        QElapsedTimer clock;
        clock.start();
        while (windowManager->waitForStarted() && !WindowManagerRuns() && clock.elapsed() < WindowManagerTimeoutMs)
            windowManager->waitForFinished(50);
    }

    static void TearDownTestSuite()
    {
        if (windowManager == nullptr)
            return;
        windowManager->kill();
        windowManager->waitForFinished();
        delete std::exchange(windowManager, nullptr);
    }

    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X display";
        ASSERT_TRUE(program.IsReady());
        ASSERT_TRUE(WindowManagerRuns()) << "openbox did not start";
    }

    void TearDown() override
    {
        if (HasFailure())
            std::cerr << "program output:\n" << program.Output().toStdString() << '\n';
        program.Kill();
    }

    void WriteSettings(int top, int left) const
    {
        std::ofstream(program.SettingsFile()) << "[Settings]\nPrevious0=Wanda\n\n[Wanda]\nTop=" << top << "\nLeft=" << left << "\n";
    }

    // One run: start, take the offered player, note where the frame stands,
    // exit. By keyboard, as the window manager may stack the splash screen
    // over the dialog.
    QRect Run()
    {
        EXPECT_TRUE(program.Start());
        const std::optional<XWindow> dialog = x.WaitForWindow(QStringLiteral("Enter Player Name"), ExitTimeoutMs);
        EXPECT_TRUE(dialog) << "no player dialog";
        if (!dialog)
            return {};
        EXPECT_TRUE(screen.ChoosePlayer()) << "the player dialog did not close";
        WaitUntilTheWindowStaysPut();
        EXPECT_TRUE(screen.WaitForTable(Player)) << "no table";
        const XWindow& main = screen.MainWindow();
        const QRect frame(x.FrameTopLeft(main), main.geometry.bottomRight());
        x.Activate(main);
        x.PressKey(QStringLiteral("F7"));
        EXPECT_TRUE(program.WaitForExit(ExitTimeoutMs));
        return frame;
    }

    // The window is set in place again once the window manager has framed it.
    void WaitUntilTheWindowStaysPut() const
    {
        const QString title = QStringLiteral("Brackwater - ") + Player;
        std::optional<XWindow> before = x.WaitForWindow(title, ExitTimeoutMs);
        QElapsedTimer clock;
        clock.start();
        while (before && clock.elapsed() < ExitTimeoutMs) {
            QThread::msleep(SettleMs);
            const std::optional<XWindow> now = x.FindWindow(title);
            if (now && now->geometry == before->geometry)
                return;
            before = now;
        }
    }

    QPoint Saved() const
    {
        const auto number = [&](const char* key) {
            return std::stoi(IniValue(program.SettingsFile(), "Wanda", key).value_or("-99999"));
        };
        return {number("Left"), number("Top")};
    }

    XDriver x;
    BrackwaterScreen screen{x};
    ProgramCopy program{QStringLiteral(BRACKWATER_PROGRAM), QStringLiteral(BRACKWATER_HELP_FILE)};
    static inline QProcess* windowManager = nullptr;
};

TEST_F(WindowPlaceTest, ThreeRunsKeepTheFrameExactlyWhereItWas)
{
    WriteSettings(100, 200);
    for (int run = 1; run <= 3; ++run) {
        SCOPED_TRACE(run);
        const QRect frame = Run();
        EXPECT_EQ(frame.topLeft(), QPoint(200, 100)) << "the frame, title bar included, stands at Left, Top";
        EXPECT_EQ(Saved(), QPoint(200, 100));
    }
}

TEST_F(WindowPlaceTest, ATitleBarOffTheScreenIsPulledBack)
{
    WriteSettings(-300, 5000);
    const QRect frame = Run();
    EXPECT_TRUE(Screen.contains(frame)) << "the whole window fits, so it is all on the screen";
    EXPECT_EQ(Saved(), frame.topLeft());
}

}  // namespace
