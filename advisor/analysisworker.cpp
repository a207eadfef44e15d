#include "advisor/analysisworker.h"

#include <utility>

TAnalysisWorker::TAnalysisWorker(ResultCallback onResult, const SolverBudget& budget, SolveFunction solve)
    : onResult_(std::move(onResult)), solve_(std::move(solve)), budget_(budget)
{
    budget_.cancel = &cancel_;
    thread_ = std::thread([this] { Run(); });
}

TAnalysisWorker::~TAnalysisWorker()
{
    Stop();
}

void TAnalysisWorker::Analyse(int position, const GameState& state, SolverRules rules)
{
    {
        const std::lock_guard lock(mutex_);
        pending_ = Job{position, state, rules};
        cancel_ = true;  // the search under way answers a position that is gone
    }
    wake_.notify_one();
}

void TAnalysisWorker::Cancel()
{
    const std::lock_guard lock(mutex_);
    pending_.reset();
    cancel_ = true;
}

void TAnalysisWorker::Stop()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        cancel_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void TAnalysisWorker::Run()
{
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
            if (stopping_)
                return;
            job = std::move(*pending_);
            pending_.reset();
            cancel_ = false;
        }
        const SolverResult result = solve_(job.state, job.rules, budget_);
        // Raised while the search ran: its answer is for a position that is gone.
        if (!cancel_)
            onResult_(job.position, result);
    }
}
