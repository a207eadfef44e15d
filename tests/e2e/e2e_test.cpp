// The real program under Xvfb, driven like a player with real clicks: a
// whole game of the test deck, the settings file it leaves, and the history
// shown by the next run.
#include <chrono>
#include <iostream>
#include <thread>

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QRect>

#include "tests/e2e/brackwaterscreen.h"
#include "tests/e2e/gameplan.h"
#include "tests/e2e/inilookup.h"
#include "tests/e2e/programcopy.h"
#include "tests/e2e/tablepoints.h"
#include "tests/e2e/xdriver.h"

// Readable points and sizes in failure messages.
void PrintTo(const QPoint& point, std::ostream* out)
{
    *out << '(' << point.x() << ", " << point.y() << ')';
}

void PrintTo(const QSize& size, std::ostream* out)
{
    *out << size.width() << " x " << size.height();
}

namespace {

const QString Player = QStringLiteral("PlumbLine");
constexpr int ClickPauseMs = 100;
constexpr int ExitTimeoutMs = 15000;
constexpr int WonDisplayTimeoutMs = 20000;

constexpr QSize GameOverSize{268, 152};
constexpr QPoint DefaultWindowPlace{10, 10};

// The history grid: columns 110 and rows 20 pixels, a line between cells.
constexpr int GridColumnStep = 111;
constexpr int GridRowStep = 21;
constexpr int GamesPlayedColumn = 1;
constexpr int BelowTenRow = 1;

// The inside of a grid cell, clear of its lines, on the screen.
QRect HistoryCell(const XWindow& dialog, int column, int row)
{
    constexpr int margin = 2;
    return QRect(column * GridColumnStep + margin, row * GridRowStep + margin, GridColumnStep - 1 - 2 * margin,
                 GridRowStep - 1 - 2 * margin)
        .translated(dialog.geometry.topLeft());
}

// Stack 1's card in the Kings column, on the client area.
const QRect FirstStackCard{11, 8, 71, 95};

int WhitePixels(const QImage& image, const QRect& area)
{
    int white = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            white += image.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
    return white;
}

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X display";
        ASSERT_TRUE(program.IsReady()) << "cannot copy " << BRACKWATER_PROGRAM;
    }

    // A failed test leaves a picture of the screen in the working folder and
    // shows what the program printed.
    void TearDown() override
    {
        const bool failed = HasFailure() && QGuiApplication::platformName() == QLatin1String("xcb");
        if (failed) {
            const QString name = QString::fromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name());
            x.Grab().save(QStringLiteral("e2e-failure-") + name + QStringLiteral(".png"));
        }
        program.Kill();
        if (failed)
            std::cerr << "program output:\n" << program.Output().toStdString() << '\n';
    }

    void StartAndChoose(const QString& typedName)
    {
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(screen.ChoosePlayer(typedName)) << "no player dialog, or it did not close";
        ASSERT_TRUE(screen.WaitForTable(Player)) << "no table with usable menus";
    }

    void PlayWholeGame(const GamePlan& plan)
    {
        for (const PlannedClick& click : plan.clicks) {
            screen.Play(click);
            std::this_thread::sleep_for(std::chrono::milliseconds(ClickPauseMs));
            ASSERT_TRUE(program.IsRunning()) << "the program ended at a click on the " << Describe(click);
        }
        ASSERT_TRUE(x.AllCommandsSucceeded());
    }

    void ExitAndCheck()
    {
        ASSERT_TRUE(screen.ExitByMenu()) << "the File menu did not open";
        ASSERT_TRUE(program.WaitForExit(ExitTimeoutMs)) << "still running after File > Exit";
        EXPECT_TRUE(program.ExitedNormally());
        EXPECT_EQ(program.ExitCode(), 0);
    }

    std::string Saved(const std::string& key) const
    {
        return IniValue(program.SettingsFile(), Player.toStdString(), key).value_or("(missing)");
    }

    XDriver x;
    BrackwaterScreen screen{x};
    ProgramCopy program{QStringLiteral(BRACKWATER_PROGRAM), QStringLiteral(BRACKWATER_HELP_FILE)};
};

TEST_F(EndToEndTest, ALostGameIsSavedAndTheNextRunShowsItInTheHistory)
{
    // Drawing the whole pile first buries cards that the stacks need.
    const GamePlan plan = GamePlan::Play(Player.toStdString(), PlayStyle::DrawFirst);
    ASSERT_TRUE(plan.finished);
    ASSERT_GT(plan.cardsLeft, 0);
    ASSERT_EQ(plan.drawStart, 9);

    StartAndChoose(Player);
    EXPECT_EQ(screen.MainWindow().geometry.topLeft(), DefaultWindowPlace);
    EXPECT_GT(screen.MenuBarHeight(), 0);
    PlayWholeGame(plan);

    const std::optional<XWindow> gameOver = screen.WaitForGameOver();
    ASSERT_TRUE(gameOver) << "no \"Game Over!\" after the last click";
    EXPECT_EQ(gameOver->geometry.size(), GameOverSize);
    EXPECT_EQ(gameOver->geometry.topLeft(), screen.CentredOnMain(GameOverSize));
    ASSERT_TRUE(screen.CloseGameOver(*gameOver));
    ExitAndCheck();

    EXPECT_EQ(IniValue(program.SettingsFile(), "Settings", "Previous0"), Player.toStdString());
    EXPECT_EQ(Saved("HGame1"), "1");
    EXPECT_EQ(Saved("HWon1"), "0");
    EXPECT_EQ(Saved("HLeft1"), std::to_string(plan.cardsLeft));

    // The next run offers the same player; the history shows the game in the "< 10" row.
    StartAndChoose({});
    const std::optional<XWindow> history = screen.OpenHistory(Player);
    ASSERT_TRUE(history) << "History did not open";
    EXPECT_EQ(history->geometry.topLeft(), screen.CentredOnMain(history->geometry.size()))
        << "the history dialog is not centred on the main window";
    const QImage shown = x.WaitForScreen(
        [&](const QImage& s) { return DarkPixels(s, HistoryCell(*history, 0, BelowTenRow)) > 0; }, ExitTimeoutMs);
    ASSERT_FALSE(shown.isNull()) << "the history grid was never drawn";
    EXPECT_GT(DarkPixels(shown, HistoryCell(*history, GamesPlayedColumn, BelowTenRow)), 0) << "games played for \"< 10\" is blank";
    EXPECT_EQ(DarkPixels(shown, HistoryCell(*history, GamesPlayedColumn, BelowTenRow + 1)), 0) << "a game shows in row \"10\"";
    ASSERT_TRUE(screen.CloseHistory(*history, Player));
    ExitAndCheck();
}

TEST_F(EndToEndTest, TwoCopiesOnOneSettingsFileEachKeepTheirLostGame)
{
    const GamePlan plan = GamePlan::Play(Player.toStdString(), PlayStyle::DrawFirst);
    ASSERT_TRUE(plan.finished);
    ProgramCopy second{QStringLiteral(BRACKWATER_PROGRAM), QStringLiteral(BRACKWATER_HELP_FILE)};
    ASSERT_TRUE(second.IsReady() && second.ShareSettingsWith(program));

    // Both copies have read the file before either has played.
    StartAndChoose(Player);
    ASSERT_TRUE(second.Start());
    ASSERT_TRUE(screen.ChoosePlayer()) << "no player dialog for the second copy";
    ASSERT_TRUE(screen.WaitForTable(Player));

    // The second copy's window lies on top of the first's: it plays first, and ends.
    for (ProgramCopy* copy : {&second, &program}) {
        PlayWholeGame(plan);
        const std::optional<XWindow> gameOver = screen.WaitForGameOver();
        ASSERT_TRUE(gameOver) << "no \"Game Over!\"";
        ASSERT_TRUE(screen.CloseGameOver(*gameOver));
        ASSERT_TRUE(screen.ExitByMenu());
        ASSERT_TRUE(copy->WaitForExit(ExitTimeoutMs));
        EXPECT_TRUE(copy->ExitedNormally());
    }
    EXPECT_EQ(Saved("HGame1"), "2");
    EXPECT_EQ(Saved("HLeft1"), std::to_string(2 * plan.cardsLeft));
}

TEST_F(EndToEndTest, AWonGameEndsInTheWonDisplayAndIsSavedAsWon)
{
    // Playing every wanted card before drawing clears the test deck.
    const GamePlan plan = GamePlan::Play(Player.toStdString(), PlayStyle::Greedy);
    ASSERT_TRUE(plan.finished);
    ASSERT_EQ(plan.cardsLeft, 0);

    StartAndChoose(Player);
    PlayWholeGame(plan);

    // At the end the stack cards are gone, the Kings column reads "You" in
    // black letters on the panel, and the menus are back.
    const QRect firstStack(screen.ScreenPointOf(FirstStackCard.topLeft()), FirstStackCard.size());
    const QImage won = x.WaitForScreen(
        [&](const QImage& s) { return WhitePixels(s, firstStack) == 0 && screen.MenusEnabled(s); }, WonDisplayTimeoutMs);
    ASSERT_FALSE(won.isNull()) << "the won display did not end";
    EXPECT_GT(DarkPixels(won, firstStack), 0) << "no letter where stack 1 was";
    ExitAndCheck();

    EXPECT_EQ(Saved("HGame1"), "1");
    EXPECT_EQ(Saved("HWon1"), "1");
    EXPECT_EQ(Saved("HLeft1"), "0");
}

TEST_F(EndToEndTest, AGameInProgressComesBackAfterARestartToThePixel)
{
    int moves = 0;
    const GamePlan plan =
        GamePlan::Play(Player.toStdString(), PlayStyle::Greedy, {}, [&](const GameState&) { return ++moves == 5; });
    ASSERT_FALSE(plan.finished);
    ASSERT_EQ(plan.clicks.size(), 5U);

    StartAndChoose(Player);
    PlayWholeGame(plan);
    const QRect client(screen.ScreenPointOf({0, 0}), QSize(MainClientWidth, MainClientHeight));
    std::this_thread::sleep_for(std::chrono::milliseconds(5 * ClickPauseMs));
    const QImage before = x.Grab().copy(client);
    ExitAndCheck();
    EXPECT_EQ(Saved("Game Saved"), "1");

    StartAndChoose({});
    const QImage after = x.WaitForScreen([&](const QImage& s) { return s.copy(client) == before; }, ExitTimeoutMs);
    ASSERT_FALSE(after.isNull()) << "the table after the restart differs from the one left";
    ExitAndCheck();
    EXPECT_EQ(Saved("HGame1"), "(missing)") << "carrying on is not a finished game";
}

// The i-th card name (from 1) of a kept game's "Game Stacks" key.
std::string StackWants(const std::string& stacks, int stack)
{
    constexpr int nameWidth = 3;  // two letters and a space
    return stacks.substr(static_cast<std::size_t>((stack - 1) * nameWidth), 2);
}

TEST_F(EndToEndTest, ACardTwoStacksWantIsDraggedToTheOneThePlayerChooses)
{
    // Up to the first card both stacks of its suit want; the plan gives it to the Aces.
    const GamePlan full = GamePlan::Play(Player.toStdString(), PlayStyle::Greedy);
    std::size_t choice = 1;
    while (choice < full.clicks.size() && full.clicks[choice].target != PlannedClick::Target::Stack)
        ++choice;
    ASSERT_LT(choice, full.clicks.size()) << "the test deck never offers the choice";
    const int aces = full.clicks[choice].index;
    const int kings = aces - KingsStacks;  // the same suit's Kings stack

    // The card is dragged straight from its place, not raised by a click first.
    StartAndChoose(Player);
    GamePlan upToTheChoice;
    upToTheChoice.clicks.assign(full.clicks.begin(), full.clicks.begin() + static_cast<std::ptrdiff_t>(choice - 1));
    PlayWholeGame(upToTheChoice);
    std::this_thread::sleep_for(std::chrono::milliseconds(5 * ClickPauseMs));
    const std::string before = Saved("Game Stacks");
    ASSERT_EQ(StackWants(before, kings), StackWants(before, aces)) << before;

    const PlannedClick card = full.clicks[choice - 1];
    x.Drag(screen.ScreenPointOf(ClientPointOf(card)),
           screen.ScreenPointOf(ClientPointOf({PlannedClick::Target::Stack, kings, 0})));
    std::this_thread::sleep_for(std::chrono::milliseconds(5 * ClickPauseMs));
    const std::string after = Saved("Game Stacks");
    EXPECT_NE(StackWants(after, kings), StackWants(before, kings)) << "the Kings stack did not take the card";
    EXPECT_EQ(StackWants(after, aces), StackWants(before, aces)) << "the Aces stack took it";
    ExitAndCheck();
}

}  // namespace
