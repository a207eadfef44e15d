#include "store/settingsmigration.h"

#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

std::optional<std::string> AdoptSettingsBesideProgram(const fs::path& beside, const fs::path& chosen)
{
    std::error_code error;
    if (fs::equivalent(beside, chosen, error) || beside == chosen || !fs::is_regular_file(beside, error)
        || fs::symlink_status(chosen, error).type() != fs::file_type::not_found
        || ::access(beside.c_str(), R_OK) != 0)
        return std::nullopt;
    // Through a temporary name, so a half-made copy never stands in the player's place.
    const fs::path temp = chosen.parent_path() / ("." + chosen.filename().string() + ".adopt-" + std::to_string(::getpid()));
    if (!fs::copy_file(beside, temp, fs::copy_options::overwrite_existing, error)) {
        fs::remove(temp, error);
        return std::nullopt;
    }
    fs::rename(temp, chosen, error);
    if (error) {
        fs::remove(temp, error);
        return std::nullopt;
    }
    return "The program's folder cannot be written, so your settings are now kept in\n" + chosen.string()
        + "\n\nThey were copied there from\n" + beside.string() + "\nwhich is left as it was.";
}
