#pragma once

#include <filesystem>

// Where the settings file lives. Beside the program, named after it with the
// extension ".INI", wherever the program's folder can be written (a build
// tree, a portable copy). An installed program's folder cannot be written, so
// every save would fail there; its players' settings go to the user's
// configuration folder instead, under "Brackwater", with the same file name.

// The program's path with its extension replaced by ".INI": the extension is
// the file name's part from its last "."; a "." in a folder does not count.
std::filesystem::path SettingsFileBesideProgram(const std::filesystem::path& programPath);

// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config; empty when
// neither is known.
std::filesystem::path UserConfigFolder();

// A folder is writable when a new file can be created in it (and removed):
// that also answers for read-only mounts and access lists.
bool IsFolderWritable(const std::filesystem::path& folder);

// Creates the folder under configFolder when that is the choice.
std::filesystem::path SettingsFile(const std::filesystem::path& programPath,
                                   const std::filesystem::path& configFolder);
std::filesystem::path SettingsFile(const std::filesystem::path& programPath);
