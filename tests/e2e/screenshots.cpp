// Pictures of the real program for the documentation, taken on an X display:
//   xvfb-run -a -s "-screen 0 1024x768x24" e2e_screenshots <folder>
// play.png: a game in progress with a fanned play pile; colours.png: the table
// in a player's own colours. Each is cropped to the main window.
#include <chrono>
#include <fstream>
#include <iostream>
#include <thread>

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include "tests/e2e/brackwaterscreen.h"
#include "tests/e2e/gameplan.h"
#include "tests/e2e/programcopy.h"
#include "tests/e2e/xdriver.h"

namespace {

const QString Player = QStringLiteral("PlumbLine");
constexpr int ClickPauseMs = 100;
constexpr int SettleMs = 500;
constexpr int ExitTimeoutMs = 15000;
constexpr int StacksShownInColour = 5;

// Colours as the settings file keeps them, 0x00BBGGRR, and the card back.
constexpr const char* ColourSettings =
    "[Settings]\n"
    "Previous0=PlumbLine\n"
    "\n"
    "[PlumbLine]\n"
    "Table Color=32768\n"     // dark green
    "Stack Color=128\n"       // maroon
    "Play Color=8388608\n"    // navy
    "Card Color=65535\n"      // yellow
    "Digital Back=65535\n"    // yellow, with black digits
    "Digital Fore=0\n"
    "Card Back=3\n";

void Pause(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool Fail(const char* what)
{
    std::cerr << "e2e_screenshots: " << what << '\n';
    return false;
}

int StartedStacks(const GameState& s)
{
    int started = 0;
    for (int stack = 1; stack <= StackCount; ++stack)
        started += s.StackNext[stack] != s.StackStart[stack] ? 1 : 0;
    return started;
}

// Plays the plan's clicks, lets the window settle, saves the main window and exits.
bool PlayAndShoot(ProgramCopy& program, const XDriver& x, const GamePlan& plan, const QString& typedName,
                  const QString& file)
{
    BrackwaterScreen screen(x);
    if (!program.Start())
        return Fail("the program did not start");
    if (!screen.ChoosePlayer(typedName) || !screen.WaitForTable(Player))
        return Fail("no table");
    for (const PlannedClick& click : plan.clicks) {
        screen.Play(click);
        Pause(ClickPauseMs);
    }
    Pause(SettleMs);
    if (!screen.WaitForMenus())
        return Fail("the menus stayed disabled");
    const QImage window = x.Grab().copy(screen.MainWindow().geometry);
    if (!window.save(file))
        return Fail("cannot save the picture");
    std::cout << "wrote " << file.toStdString() << '\n';
    return screen.ExitByMenu() && program.WaitForExit(ExitTimeoutMs);
}

bool ShootPlay(const XDriver& x, const QString& folder)
{
    // The whole draw pile drawn, the last spot fanned wide with the shift
    // panel, and the table played until every stack holds a card.
    const GamePlan plan = GamePlan::Play(Player.toStdString(), PlayStyle::DrawFirst, {},
                                         [](const GameState& s) { return StartedStacks(s) == StackCount; });
    ProgramCopy program(QStringLiteral(BRACKWATER_PROGRAM), QStringLiteral(BRACKWATER_HELP_FILE));
    return program.IsReady() && PlayAndShoot(program, x, plan, Player, QDir(folder).filePath(QStringLiteral("play.png")));
}

bool ShootColours(const XDriver& x, const QString& folder)
{
    // Past the first draw: the card back on the draw pile, a fan on the play
    // pile, and stack cards in both columns.
    const GamePlan plan = GamePlan::Play(Player.toStdString(), PlayStyle::Greedy, {}, [](const GameState& s) {
        return s.ActiveSpot != 0 && StartedStacks(s) >= StacksShownInColour;
    });
    ProgramCopy program(QStringLiteral(BRACKWATER_PROGRAM), QStringLiteral(BRACKWATER_HELP_FILE));
    if (!program.IsReady())
        return false;
    std::ofstream(program.SettingsFile()) << ColourSettings;
    return PlayAndShoot(program, x, plan, {}, QDir(folder).filePath(QStringLiteral("colours.png")));
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const XDriver x;
    return ShootPlay(x, folder) && ShootColours(x, folder) ? 0 : 1;
}
