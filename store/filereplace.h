#pragma once

#include <filesystem>
#include <string_view>

// Replacing the settings file in one step: the new text goes to a hidden
// temporary file beside it, which is then renamed over it, so a crash or a
// full disk never leaves a torn file. The caller holds the file's lock.

// The file a settings path names once its links are followed, even when the
// last link points to a file not made yet: that file is the one to write, so
// the link stays a link.
std::filesystem::path FollowLinks(const std::filesystem::path& path);

// Writes `text` as the file's new content, keeping the owner, group and mode
// of the file it replaces. Throws SettingsWriteError with the reason, and
// leaves the file and its folder as they were.
void ReplaceFile(const std::filesystem::path& shownPath, const std::filesystem::path& target, std::string_view text);

// Temporary files left by saves that were killed half-way: those of processes
// no longer running are removed.
void RemoveDeadTemporaries(const std::filesystem::path& target);
