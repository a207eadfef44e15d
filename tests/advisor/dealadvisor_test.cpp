#include <map>
#include <memory>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QTest>

#include "advisor/dealadvisor.h"
#include "solver/seededgame.h"
#include "tests/advisor/seeds.h"

namespace {

using namespace std::chrono_literals;

const QString CanBeWon = QStringLiteral("This deal can be won");
const QString NoLongerWon = QStringLiteral("This deal can no longer be won");
constexpr int AnalysisWaitMs = 30000;

// The advisor over a window with a stand-in table: every click a hint names
// gets a control of its own, and the clicks asked for are noted.
class DealAdvisorTest : public ::testing::Test {
protected:
    DealAdvisorTest()
    {
        settings.Level = LevelHard;
        table = new QWidget;
        table->setFixedSize(600, 400);
        window.setCentralWidget(table);
        hint = new QAction(&window);
        showVerdict = new QAction(&window);
    }

    void Deal(std::uint32_t seed)
    {
        game = std::make_unique<SeededGame>(settings, seed);
        advisor = std::make_unique<TDealAdvisor>(window, *table, game->Play(), settings,
                                                 [this](const std::string& click) { return ControlFor(click); });
        advisor->Connect(*hint, *showVerdict);
        window.show();
        advisor->PositionChanged();
    }

    QWidget* ControlFor(const std::string& click)
    {
        asked.push_back(click);
        QWidget*& control = controls[click];
        if (!control) {
            const int n = static_cast<int>(controls.size());
            control = new QWidget(table);
            control->setGeometry(10 + 40 * (n % 14), 10 + 100 * (n / 14 % 3), 35, 90);
            control->show();
        }
        return control;
    }

    QList<QFrame*> Outlines() const { return table->findChildren<QFrame*>(QStringLiteral("hintOutline")); }
    QString Verdict() const { return advisor->VerdictLabel()->text(); }

    QMainWindow window;
    QWidget* table = nullptr;
    QAction* hint = nullptr;
    QAction* showVerdict = nullptr;
    GameSettings settings;
    std::unique_ptr<SeededGame> game;
    std::unique_ptr<TDealAdvisor> advisor;
    std::map<std::string, QWidget*> controls;
    std::vector<std::string> asked;
};

// The whole deal played by following the hints: each is the next move of a
// winning line, outlines what it names, changes nothing by itself, and the
// verdict holds all the way without a new search.
TEST_F(DealAdvisorTest, FollowingTheHintsOfAWinnableDealWinsIt)
{
    Deal(FirstSeedProvedWinnable(settings, 100ms));
    QTRY_COMPARE_WITH_TIMEOUT(Verdict(), CanBeWon, AnalysisWaitMs);

    for (int step = 0; step < 200 && game->State().CardsLeft > 0; ++step) {
        const TVerdictBook::Key before = TVerdictBook::KeyOf(game->State(), SolverRules::From(settings));
        const bool couldUndo = game->Play().CanUndo();
        asked.clear();
        hint->trigger();
        ASSERT_TRUE(advisor->LastHint().startsWith(QStringLiteral("Next move of a winning line: ")))
            << step << ": " << advisor->LastHint().toStdString();
        ASSERT_FALSE(asked.empty());
        EXPECT_EQ(Outlines().size(), static_cast<qsizetype>(std::set<std::string>(asked.begin(), asked.end()).size()));
        EXPECT_TRUE(Outlines().front()->geometry().contains(controls[asked.front()]->geometry()));
        const QLabel* note = table->findChild<QLabel*>(QStringLiteral("hintNote"));
        EXPECT_TRUE(note->isVisible() && note->text() == advisor->LastHint());
        EXPECT_TRUE(table->rect().contains(note->geometry())) << "the words stay on the table";
        EXPECT_EQ(TVerdictBook::KeyOf(game->State(), SolverRules::From(settings)), before) << "a hint moves nothing";
        EXPECT_EQ(game->Play().CanUndo(), couldUndo) << "a hint leaves the undo record alone";

        for (const std::string& click : asked)
            ASSERT_TRUE(game->Click(click));
        advisor->PositionChanged();
        EXPECT_TRUE(Outlines().isEmpty() || game->State().CardsLeft == 0);
        if (game->State().CardsLeft > 0) {
            EXPECT_EQ(Verdict(), CanBeWon) << "known at once along the line";
        }
    }
    EXPECT_EQ(game->State().CardsLeft, 0);
    EXPECT_TRUE(Verdict().isEmpty()) << "nothing to say about a finished game";
}

TEST_F(DealAdvisorTest, APositionWithNoWayOutIsSaidLostByVerdictAndHint)
{
    Deal(1);
    game->Play().Arrange([](GameState& s) { s.DrawCount = 0; });  // what the table holds cannot all be played
    advisor->PositionChanged();
    QTRY_COMPARE_WITH_TIMEOUT(Verdict(), NoLongerWon, AnalysisWaitMs);
    hint->trigger();
    EXPECT_EQ(advisor->LastHint(), QStringLiteral("This deal can no longer be won."));
    EXPECT_TRUE(Outlines().isEmpty());
}

TEST_F(DealAdvisorTest, WithoutAProvedWinTheHintOffersTheHeuristicsMoveAndSaysSo)
{
    Deal(FirstSeedUndecided(settings, TDealAdvisor::HintSearchTime * 4));
    hint->trigger();
    EXPECT_TRUE(advisor->LastHint().startsWith(QStringLiteral("No win is proven yet; a good try: ")))
        << advisor->LastHint().toStdString();
    ASSERT_FALSE(asked.empty());
    EXPECT_FALSE(Outlines().isEmpty());
}

TEST_F(DealAdvisorTest, ThePlayerCanHideTheVerdictAndTheChoiceIsKept)
{
    Deal(1);
    EXPECT_TRUE(showVerdict->isChecked());
    EXPECT_TRUE(advisor->VerdictLabel()->isVisible());
    showVerdict->trigger();
    EXPECT_FALSE(advisor->VerdictLabel()->isVisible());
    EXPECT_FALSE(settings.ShowVerdict);

    settings.ShowVerdict = true;  // another player's settings
    advisor->ApplySettings();
    EXPECT_TRUE(showVerdict->isChecked());
    EXPECT_TRUE(advisor->VerdictLabel()->isVisible());
}

// A deal proved by the choice of winnable deals is said so at once; one the
// budget could not prove is said to be unproved until the analysis decides.
TEST_F(DealAdvisorTest, AWinnableDealIsSaidSoAsSoonAsItIsDealt)
{
    Deal(1);
    settings.OnlyWinnable = true;
    game->Play().NewGame();
    advisor->PositionChanged();
    EXPECT_TRUE(Verdict() == CanBeWon || Verdict() == QStringLiteral("This deal is not proven winnable"))
        << Verdict().toStdString();
}

}  // namespace
