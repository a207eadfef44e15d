#pragma once

#include <filesystem>
#include <optional>
#include <string>

// A program whose folder cannot be written keeps its settings in the user's
// configuration folder. A settings file already lying beside the program (a
// copy that was once portable, or a file a player put there) would then seem
// lost with all its players, so it is copied into the chosen place once; the
// original is left as it is.
//
// Copies when `chosen` differs from `beside`, `beside` is a readable file and
// nothing lies at `chosen` yet. Returns the notice for the player, naming both
// paths, when it copied; nothing otherwise (so the player is told once).
std::optional<std::string> AdoptSettingsBesideProgram(const std::filesystem::path& beside,
                                                      const std::filesystem::path& chosen);
