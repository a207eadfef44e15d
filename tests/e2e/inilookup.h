#pragma once

#include <filesystem>
#include <optional>
#include <string>

// One value of a settings file, read without the program's own parser: section
// and key names match regardless of letter case. Nothing when either is missing.
std::optional<std::string> IniValue(const std::filesystem::path& file, const std::string& section, const std::string& key);
