#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QObject>
#include <QString>

#include "advisor/verdictbook.h"
#include "advisor/winnabledeals.h"
#include "engine/game.h"
#include "solver/solver.h"

class QAction;
class QLabel;
class QMainWindow;
class QWidget;
class TAnalysisWorker;
class THintMarks;

// What the solver tells the player: the Hint command, a verdict saying
// whether the deal can still be won (analysed on a worker thread after every
// move, at the free end of the menu bar), and the choice of winnable deals
// for a new game.
class TDealAdvisor final : public QObject {
    Q_OBJECT

public:
    // The control that a click of a solver line names ("T3", "P2", "S5", "D",
    // "L", "R"), a descendant of the table; null for none.
    using ControlFinder = std::function<QWidget*(const std::string& click)>;

    TDealAdvisor(QMainWindow& window, QWidget& table, Game& game, GameSettings& settings, ControlFinder findControl);
    ~TDealAdvisor() override;
    TDealAdvisor(const TDealAdvisor&) = delete;
    TDealAdvisor& operator=(const TDealAdvisor&) = delete;

    // The menu commands: Hint, and the checkable item that shows the verdict.
    void Connect(QAction& hint, QAction& showVerdict);
    // The player's choice of showing the verdict, carried onto the window.
    void ApplySettings();

    // After every step of the game: drops the hint, and when the position
    // changed, forgets the old verdict and starts the analysis of the new one.
    void PositionChanged();
    // Shows the next move of a winning line, or says why there is none.
    void ShowHint();
    // Stops the analysis at once, for the end of the program.
    void Stop();

    QLabel* VerdictLabel() const { return verdict_; }
    const QString& LastHint() const { return lastHint_; }

    static constexpr std::chrono::milliseconds AnalysisTime{10000};  // then the verdict stays silent
    static constexpr std::uint64_t AnalysisNodes = 2'000'000;        // keeps the search's memory near 50 MB
    static constexpr std::chrono::milliseconds HintSearchTime{150};  // a hint asked before the verdict came

private:
    bool AcceptDeal(const GameState& dealt, int deal);
    void ResultReady(int position, const SolverResult& result);
    std::optional<SolverResult> KnownResult() const;
    void ShowVerdict();
    std::vector<QWidget*> ControlsOf(const std::vector<std::string>& clicks) const;
    QString DescribeMove(const std::vector<std::string>& clicks) const;
    bool GameOver() const;
    bool SameAsAsked(const GameState& state, SolverRules rules) const;

    QMainWindow& window_;
    QWidget& table_;
    Game& game_;
    GameSettings& settings_;
    ControlFinder findControl_;
    std::unique_ptr<TAnalysisWorker> worker_;
    TVerdictBook book_;
    TWinnableDeals winnable_;

    QAction* showVerdict_ = nullptr;
    QLabel* verdict_ = nullptr;
    THintMarks* marks_ = nullptr;  // the table's child
    QString lastHint_;

    int position_ = 0;  // the number of the position last asked about
    std::optional<GameState> asked_;
    SolverRules askedRules_;
    int unprovenDeal_ = -1;  // the position of a winnable deal the budget did not prove
};
