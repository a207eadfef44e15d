#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

// A write or erase in the settings file failed; the file is as it was before.
// The program shows what() to the player.
class SettingsWriteError : public std::runtime_error {
public:
    explicit SettingsWriteError(const std::filesystem::path& file)
        : std::runtime_error("Unable to write to " + file.string())
    {
    }
};
