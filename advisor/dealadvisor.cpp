#include "advisor/dealadvisor.h"

#include <algorithm>
#include <sstream>

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include "advisor/analysisworker.h"
#include "advisor/hintmarks.h"

namespace {

constexpr int VerdictMargin = 8;

std::vector<std::string> Clicks(const std::string& move)
{
    std::istringstream in(move);
    std::vector<std::string> clicks;
    for (std::string click; in >> click;)
        clicks.push_back(click);
    return clicks;
}

}  // namespace

TDealAdvisor::TDealAdvisor(QMainWindow& window, QWidget& table, Game& game, GameSettings& settings,
                           ControlFinder findControl)
    : window_(window), table_(table), game_(game), settings_(settings),
      findControl_(std::move(findControl))
{
    worker_ = std::make_unique<TAnalysisWorker>(
        [this](int position, const SolverResult& result) {
            // Back to the window's thread, where a result for an older position is dropped.
            QMetaObject::invokeMethod(this, [this, position, result] { ResultReady(position, result); },
                                      Qt::QueuedConnection);
        },
        SolverBudget{AnalysisNodes, AnalysisTime, nullptr});
    game_.SetDealFilter([this](const GameState& dealt, int deal) { return AcceptDeal(dealt, deal); });
    marks_ = new THintMarks(table_);

    verdict_ = new QLabel(window_.menuBar());
    verdict_->setObjectName(QStringLiteral("stat_Verdict"));
    verdict_->setContentsMargins(0, 0, VerdictMargin, 0);
    verdict_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    verdict_->setAccessibleName(tr("Can this deal be won"));
    // The menu bar sizes its corner once, so it is made wide enough for the longest words.
    verdict_->setMinimumWidth(verdict_->fontMetrics().horizontalAdvance(tr("This deal is not proven winnable")) + VerdictMargin);
    window_.menuBar()->setCornerWidget(verdict_, Qt::TopRightCorner);
}

TDealAdvisor::~TDealAdvisor()
{
    game_.SetDealFilter({});
    Stop();
}

void TDealAdvisor::Connect(QAction& hint, QAction& showVerdict)
{
    showVerdict_ = &showVerdict;
    showVerdict_->setCheckable(true);
    connect(&hint, &QAction::triggered, this, &TDealAdvisor::ShowHint);
    connect(showVerdict_, &QAction::toggled, this, [this](bool shown) {
        settings_.ShowVerdict = shown;
        verdict_->setVisible(shown);
    });
    ApplySettings();
}

void TDealAdvisor::ApplySettings()
{
    if (showVerdict_)
        showVerdict_->setChecked(settings_.ShowVerdict);
    verdict_->setVisible(settings_.ShowVerdict);
}

bool TDealAdvisor::GameOver() const
{
    const GameState& s = game_.State();
    return s.Dealing || s.DrawCount < 0 || s.CardsLeft == 0;
}

bool TDealAdvisor::SameAsAsked(const GameState& state, SolverRules rules) const
{
    return asked_ && TVerdictBook::KeyOf(*asked_, askedRules_) == TVerdictBook::KeyOf(state, rules);
}

void TDealAdvisor::PositionChanged()
{
    marks_->Clear();
    if (GameOver()) {
        worker_->Cancel();
        asked_.reset();
        ShowVerdict();
        return;
    }
    const SolverRules rules = SolverRules::From(settings_);
    if (SameAsAsked(game_.State(), rules))
        return;  // a peek, a raised card or a refused click: the verdict still holds
    ++position_;
    asked_ = game_.State();
    askedRules_ = rules;
    if (KnownResult())
        worker_->Cancel();
    else
        worker_->Analyse(position_, *asked_, askedRules_);
    ShowVerdict();
}

void TDealAdvisor::ResultReady(int position, const SolverResult& result)
{
    if (position != position_ || !asked_)
        return;
    book_.Record(*asked_, askedRules_, result);
    ShowVerdict();
}

std::optional<SolverResult> TDealAdvisor::KnownResult() const
{
    if (!asked_)
        return std::nullopt;
    return book_.Lookup(*asked_, askedRules_);
}

void TDealAdvisor::ShowVerdict()
{
    const std::optional<SolverResult> known = KnownResult();
    if (GameOver())
        verdict_->clear();  // a late answer about the game a deal is replacing
    else if (!known)
        verdict_->setText(position_ == unprovenDeal_ && asked_ ? tr("This deal is not proven winnable") : QString());
    else if (known->verdict == SolverVerdict::Win)
        verdict_->setText(tr("This deal can be won"));
    else
        verdict_->setText(tr("This deal can no longer be won"));
}

void TDealAdvisor::ShowHint()
{
    PositionChanged();  // the rules may have changed since the last move
    if (!asked_)
        return;
    std::optional<SolverResult> known = KnownResult();
    if (!known) {
        // Asked before the analysis answered: a short search of its own often decides.
        const SolverResult quick = Solve(*asked_, askedRules_, {0, HintSearchTime, nullptr});
        book_.Record(*asked_, askedRules_, quick);
        if (quick.verdict != SolverVerdict::Unknown) {
            worker_->Cancel();
            known = quick;
            ShowVerdict();
        }
    }
    std::vector<std::string> clicks;
    if (known && known->verdict == SolverVerdict::Loss) {
        lastHint_ = tr("This deal can no longer be won.");
    } else if (known && !known->line.empty()) {
        clicks = Clicks(known->line.front());
        lastHint_ = tr("Next move of a winning line: %1.").arg(DescribeMove(clicks));
    } else {
        clicks = Clicks(HeuristicMove(*asked_, askedRules_));
        lastHint_ = clicks.empty() ? tr("No move is left.")
                                   : tr("No win is proven yet; a good try: %1.").arg(DescribeMove(clicks));
    }
    marks_->Show(ControlsOf(clicks), lastHint_);
}

QString TDealAdvisor::DescribeMove(const std::vector<std::string>& clicks) const
{
    if (clicks.empty())
        return {};
    const char first = clicks.front().front();
    if (first == 'T' || first == 'P')
        return clicks.size() > 1 ? tr("play the outlined card onto the outlined stack") : tr("play the outlined card");
    if (first == 'D')
        return tr("draw a card");
    const int shifts = static_cast<int>(clicks.size()) - (clicks.back() == "D" ? 1 : 0);
    const QString shift = first == 'L' ? tr("shift the play pile left") : tr("shift the play pile right");
    const QString times = shifts > 1 ? tr(" %1 times").arg(shifts) : QString();
    return clicks.back() == "D" ? tr("%1%2, then draw a card").arg(shift, times) : shift + times;
}

// Every control the move's clicks name, each once: the card and, for a
// two-stack choice, the stack; for shifts before a draw, the arrow and the
// draw pile.
std::vector<QWidget*> TDealAdvisor::ControlsOf(const std::vector<std::string>& clicks) const
{
    std::vector<QWidget*> controls;
    for (const std::string& click : clicks) {
        QWidget* control = findControl_(click);
        if (control && control->isVisibleTo(&table_) && std::find(controls.begin(), controls.end(), control) == controls.end())
            controls.push_back(control);
    }
    return controls;
}

void TDealAdvisor::Stop()
{
    worker_->Stop();
}

bool TDealAdvisor::AcceptDeal(const GameState& dealt, int deal)
{
    if (!settings_.OnlyWinnable)
        return true;
    if (deal <= 1)
        worker_->Cancel();  // the old position's analysis would only slow the search
    const SolverRules rules = SolverRules::From(settings_);
    const bool accepted = winnable_.Accept(dealt, deal, rules);
    if (accepted && winnable_.Proof())
        book_.Record(dealt, rules, *winnable_.Proof());
    if (accepted)
        unprovenDeal_ = winnable_.RanOut() ? position_ + 1 : -1;
    return accepted;
}
