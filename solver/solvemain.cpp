// brackwater-solve: deals games from seeds exactly as the program does and
// prints, one JSON object a line, whether each can be won and how.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "solver/seededgame.h"
#include "solver/solver.h"

namespace {

struct Options {
    GameSettings settings;
    SolverBudget budget{0, std::chrono::milliseconds(1000), nullptr};
    std::vector<std::uint32_t> seeds;
    bool showDrawPile = false;  // adds the deal's draw pile size, for tables of the odds by it
};

const char* const Usage =
    "usage: brackwater-solve --level easy|hard [--draw-top 0|1] [--min N] [--budget-ms N] [--budget-nodes N] [--draw-pile] [SEED...]\n"
    "Seeds come from the arguments, or one a line from standard input.\n";

template <typename T>
std::optional<T> Number(const std::string& text)
{
    T value{};
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), last, value);
    if (text.empty() || ec != std::errc() || ptr != last)
        return std::nullopt;
    return value;
}

bool ParseOption(const std::string& name, const std::string& value, Options& options)
{
    if (name == "--level" && (value == "easy" || value == "hard")) {
        options.settings.Level = value == "easy" ? LevelEasy : LevelHard;
        return true;
    }
    if (name == "--draw-top" && (value == "0" || value == "1")) {
        options.settings.DrawTop = value == "1";
        return true;
    }
    if (name == "--min") {
        const auto n = Number<unsigned>(value);
        options.settings.MinDrawPile = static_cast<std::uint8_t>(n.value_or(0));
        return n && *n <= Game::HighestMinimum;
    }
    if (name == "--budget-ms") {
        const auto n = Number<long>(value);
        options.budget.time = std::chrono::milliseconds(n.value_or(0));
        return n && *n >= 0;
    }
    if (name == "--budget-nodes") {
        const auto n = Number<std::uint64_t>(value);
        options.budget.nodes = n.value_or(0);
        return n.has_value();
    }
    return false;
}

bool ParseArguments(int argc, char** argv, Options& options)
{
    bool levelGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--draw-pile") {
            options.showDrawPile = true;
        } else if (arg.rfind("--", 0) == 0) {
            if (i + 1 >= argc || !ParseOption(arg, argv[i + 1], options)) {
                std::cerr << "brackwater-solve: bad option " << arg << "\n";
                return false;
            }
            levelGiven = levelGiven || arg == "--level";
            ++i;
        } else if (const auto seed = Number<std::uint32_t>(arg)) {
            options.seeds.push_back(*seed);
        } else {
            std::cerr << "brackwater-solve: not a seed: " << arg << "\n";
            return false;
        }
    }
    if (!levelGiven)
        std::cerr << "brackwater-solve: --level is required\n";
    return levelGiven;
}

void SolveSeed(std::uint32_t seed, const Options& options)
{
    const SeededGame game(options.settings, seed);
    const SolverResult result = Solve(game.State(), SolverRules::From(options.settings), options.budget);
    std::string moves;
    for (const std::string& move : result.line)
        moves += (moves.empty() ? "" : " ") + move;
    std::printf("{\"seed\": %u, \"result\": \"%s\", \"moves\": \"%s\", \"ms\": %.1f, \"nodes\": %llu", seed,
                VerdictName(result.verdict), moves.c_str(), result.ms, static_cast<unsigned long long>(result.nodes));
    if (options.showDrawPile)
        std::printf(", \"draw_pile\": %d", game.State().DrawStart);
    std::printf("}\n");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseArguments(argc, argv, options)) {
        std::cerr << Usage;
        return 2;
    }
    for (std::uint32_t seed : options.seeds)
        SolveSeed(seed, options);
    if (!options.seeds.empty())
        return 0;
    int status = 0;
    for (std::string line; std::getline(std::cin, line);) {
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        const auto seed = Number<std::uint32_t>(line.substr(0, line.find_last_not_of(" \t\r") + 1));
        if (seed) {
            SolveSeed(*seed, options);
        } else {
            std::cerr << "brackwater-solve: not a seed: " << line << "\n";
            status = 2;
        }
    }
    return status;
}
