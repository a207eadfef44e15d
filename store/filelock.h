#pragma once

#include <chrono>
#include <filesystem>

// An exclusive lock on the settings file, held while it is read and replaced,
// so that two copies of the program never write over each other's changes.
// The lock is the operating system's (flock) on a hidden file beside the
// settings file: it ends with the process that holds it, so a copy that was
// killed never leaves the file locked.
class TFileLock {
public:
    // Waits up to `wait` for the lock. A lock file that cannot be made (a
    // folder that cannot be written) gives no lock and no error: the write
    // that follows then reports why it failed, or there was nothing to write.
    // Throws SettingsWriteError when another copy keeps the lock too long.
    TFileLock(const std::filesystem::path& settingsFile, std::chrono::milliseconds wait);
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;
    ~TFileLock();

    static std::filesystem::path LockFileOf(const std::filesystem::path& settingsFile);

private:
    int fd_ = -1;
};
