#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/gamehistory.h"
#include "engine/gamesettings.h"
#include "engine/savedgame.h"
#include "store/inifile.h"

// The main window's position as kept in a player's section ("Top", "Left"),
// and its size ("Width", "Height": the client area, 0 when never saved: the
// table's own size) and whether it was maximised ("Maximized").
struct WindowPosition {
    std::int32_t Top = 10;
    std::int32_t Left = 10;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool Maximized = false;

    friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};

// The settings file as the program uses it: one section per player, named by
// the player, and the shared section "Settings" with the recent players.
// Every write operation below is one replacement of the file: it either
// happens whole or throws SettingsWriteError and leaves the file as it was.
// Copies of the program may share the file: each write applies only what
// this copy changed to the file as it is at that moment.
class TSettingsStore {
public:
    static constexpr int RecentPlayerCount = 4;

    explicit TSettingsStore(std::filesystem::path file);

    const std::filesystem::path& Path() const { return ini_.Path(); }

    // Reads the file afresh, then the player's section; a missing key gives
    // its default. Without a wave device, sound is off whatever the file says.
    void LoadSettings(const std::string& playerName, bool waveDeviceAvailable, GameSettings& settings,
                      GameHistory& history);
    // Read after the colours have been applied, from the file as last read.
    WindowPosition LoadWindowPosition(const std::string& playerName) const;
    // Writes the options and position keys that changed since the section
    // was loaded (and any missing from the file), and adds the results
    // recorded since then to the counters in the file.
    void SaveSettings(const std::string& playerName, const GameSettings& settings, const GameHistory& history,
                      WindowPosition position);

    // "Previous0" is the last player chosen, "Previous1".."Previous4" the
    // recent-players list; empty when missing.
    std::string ReadPrevious(int n) const;
    // Erases the "Settings" section, then writes "Previous0" = playerName and
    // "Previous1" onwards from the list, top entry first, followed by names
    // another copy added since the list was read, up to four.
    void WriteRecentPlayers(const std::string& playerName, const std::vector<std::string>& recent);

    // The player's game in progress, kept in their section (store/savedgametext.h).
    // Saving replaces the whole game at once; loading reads the file as last
    // read and gives nothing when no game is kept or its keys do not read.
    void SaveGame(const std::string& playerName, const SavedGame& game);
    void EraseGame(const std::string& playerName);
    std::optional<SavedGame> LoadGame(const std::string& playerName) const;

    // A player's whole section; a missing one is no error.
    void EraseSection(const std::string& section);
    // Writes "HGame", "HWon" and "HLeft" of one row as 0.
    void ZeroHistoryRow(const std::string& playerName, int row);

private:
    // The current player's section as last read or written, to tell this
    // copy's changes from the file's.
    struct LoadedSection {
        std::string player;
        std::vector<std::pair<std::string, std::string>> options;
        GameHistory history;
    };

    TIniFile ini_;
    std::optional<LoadedSection> loaded_;
};

inline constexpr std::size_t MaxPlayerNameLength = 64;

// Whether the file can hold the name as its own section and give it back
// unchanged: 1 to 64 characters, no spaces at either end, no control
// characters, no "]", and not the shared section "Settings" in any letter case.
bool IsValidPlayerName(const std::string& name);
