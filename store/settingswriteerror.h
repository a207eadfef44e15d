#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

// A write or erase in the settings file failed; the file is as it was before.
// The program shows what() to the player: "Unable to write to" the path on
// the first line, and the reason on the second.
class SettingsWriteError : public std::runtime_error {
public:
    SettingsWriteError(const std::filesystem::path& file, const std::string& reason)
        : std::runtime_error("Unable to write to " + file.string() + "\n" + reason)
        , file_(file)
        , reason_(reason)
    {
    }

    // The parts of the message, for a program that shows it in another language.
    const std::filesystem::path& File() const { return file_; }
    const std::string& Reason() const { return reason_; }

    // The reason the system gives for an errno value, e.g. "Permission denied".
    static std::string SystemReason(int error) { return std::system_category().message(error) + "."; }

private:
    std::filesystem::path file_;
    std::string reason_;
};
