#pragma once

#include <filesystem>

// Where the settings file lives. An installed copy keeps it in the user's
// configuration folder, under "Brackwater", even when it could write beside
// itself (an install under ~/.local, a run as root): a file there would be
// shared by every user, or lost with the next upgrade. A copy that is not
// installed (a build tree, a portable copy) keeps it beside the program,
// named after it with the extension ".INI", as long as that folder can be
// written; otherwise it too falls back to the configuration folder.

// The program's path with its extension replaced by ".INI": the extension is
// the file name's part from its last "."; a "." in a folder does not count.
std::filesystem::path SettingsFileBesideProgram(const std::filesystem::path& programPath);

// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config; empty when
// neither is known.
std::filesystem::path UserConfigFolder();

// A folder is writable when a new file can be created in it (and removed):
// that also answers for read-only mounts and access lists.
bool IsFolderWritable(const std::filesystem::path& folder);

// A copy is installed when its data folder lies where the install puts it,
// at dataFromBin (such as "../share/brackwater") from the program's folder.
// Returns that folder, or an empty path for a copy that is not installed.
std::filesystem::path InstalledDataFolder(const std::filesystem::path& programPath,
                                          const std::filesystem::path& dataFromBin);

// Creates the folder under configFolder when that is the choice.
std::filesystem::path SettingsFile(const std::filesystem::path& programPath,
                                   const std::filesystem::path& configFolder, bool installed = false);
std::filesystem::path SettingsFile(const std::filesystem::path& programPath, bool installed = false);
