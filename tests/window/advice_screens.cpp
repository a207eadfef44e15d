// Takes the pictures of the hints and the verdict for the README and for a
// look at them:  xvfb-run -s "-screen 0 1024x768x24" advice_screens docs
// It follows a proved winning line through the window, and pictures the first
// hint, the first hint with a choice of two stacks, a lost position's hint
// and the Options page.
#include <sstream>
#include <string>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>

#include "advisor/dealadvisor.h"
#include "options/frmoptn.h"
#include "solver/seededgame.h"
#include "tests/window/windowparts.h"
#include "window/frmmain.h"

namespace {

void Save(QWidget& widget, const QDir& folder, const QString& name)
{
    QApplication::processEvents();
    if (!widget.grab().save(folder.filePath(name)))
        qWarning("cannot write %s", qPrintable(folder.filePath(name)));
}

void Click(Game& game, const std::string& click)
{
    const int n = click.size() > 1 ? std::stoi(click.substr(1)) : 0;
    switch (click.front()) {
    case 'T': game.SelectTableCard(n); break;
    case 'P': game.SelectPlayPileCard(n); break;
    case 'S': game.PlayToStack(n); break;
    case 'D': game.DrawCard(); break;
    case 'L': game.ShiftPlayPileLeft(); break;
    default: game.ShiftPlayPileRight(); break;
    }
}

// The first seed whose deal the solver proves within a tenth of a second.
std::uint32_t ProvedSeed(const GameSettings& settings)
{
    for (std::uint32_t seed = 1;; ++seed) {
        const SeededGame game(settings, seed);
        if (Solve(game.State(), SolverRules::From(settings), {0, std::chrono::milliseconds(100), nullptr}).verdict
            == SolverVerdict::Win)
            return seed;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    WindowParts parts("Ann");
    Tfrm_Main window(parts.player, parts.store, parts.sound);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("the window was never shown");

    Game& game = window.GameEngine();
    game.SeedRandom(ProvedSeed(parts.player.Settings));
    game.NewGame();
    window.Advisor().PositionChanged();
    QAction* hint = window.findChild<QAction*>(QStringLiteral("mnu_Hint"));
    hint->trigger();
    Save(window, out, QStringLiteral("hint.png"));

    const SolverResult proof = Solve(game.State(), SolverRules::From(parts.player.Settings), {});
    for (const std::string& move : proof.line) {
        if (move.find('S') != std::string::npos) {
            window.Advisor().PositionChanged();
            hint->trigger();
            Save(window, out, QStringLiteral("hint-two-stacks.png"));
            break;
        }
        std::istringstream clicks(move);
        for (std::string click; clicks >> click;)
            Click(game, click);
    }

    // A deal with its draw pile taken away: the table alone cannot be cleared.
    game.NewGame();
    game.Arrange([](GameState& s) { s.DrawCount = 0; });
    window.Advisor().PositionChanged();
    hint->trigger();
    Save(window, out, QStringLiteral("hint-lost.png"));

    parts.player.Settings.OnlyWinnable = true;
    TfrmOptions options(parts.player.Settings, false, window, parts.sound, &window);
    options.show();
    if (!QTest::qWaitForWindowExposed(&options))
        qWarning("the options were never shown");
    Save(options, out, QStringLiteral("options-winnable.png"));
    return 0;
}
