#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "engine/gamestate.h"
#include "solver/rules.h"
#include "solver/solver.h"

// One background thread that solves the latest position it was given. A new
// position cancels the search under way at once; so do Cancel and Stop, and
// Stop also joins the thread. Results go to the callback on the worker
// thread, tagged with the number of the position they answer; a cancelled
// search reports nothing.
class TAnalysisWorker {
public:
    using ResultCallback = std::function<void(int position, const SolverResult& result)>;
    // The search; tests put one in whose length they control.
    using SolveFunction = std::function<SolverResult(const GameState&, SolverRules, const SolverBudget&)>;

    TAnalysisWorker(ResultCallback onResult, const SolverBudget& budget, SolveFunction solve = Solve);
    ~TAnalysisWorker();
    TAnalysisWorker(const TAnalysisWorker&) = delete;
    TAnalysisWorker& operator=(const TAnalysisWorker&) = delete;

    void Analyse(int position, const GameState& state, SolverRules rules);
    void Cancel();
    void Stop();

private:
    struct Job {
        int position = 0;
        GameState state;
        SolverRules rules;
    };

    void Run();

    ResultCallback onResult_;
    SolveFunction solve_;
    SolverBudget budget_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> pending_;
    std::atomic<bool> cancel_{false};
    bool stopping_ = false;
    std::thread thread_;
};
