#include "store/filelock.h"

#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "store/settingswriteerror.h"

namespace fs = std::filesystem;

namespace {

constexpr std::chrono::milliseconds RetryInterval{5};
constexpr mode_t LockFileMode = 0666;  // narrowed by the umask

}  // namespace

fs::path TFileLock::LockFileOf(const fs::path& settingsFile)
{
    return settingsFile.parent_path() / ("." + settingsFile.filename().string() + ".lock");
}

TFileLock::TFileLock(const fs::path& settingsFile, std::chrono::milliseconds wait)
{
    // Read access is enough for flock, so a lock file made by another user serves too.
    fd_ = ::open(LockFileOf(settingsFile).c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, LockFileMode);
    if (fd_ < 0)
        return;
    const auto giveUp = std::chrono::steady_clock::now() + wait;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(fd_);  // a file system without locks: write unlocked, as before
            fd_ = -1;
            return;
        }
        if (std::chrono::steady_clock::now() >= giveUp) {
            ::close(fd_);
            fd_ = -1;
            throw SettingsWriteError(settingsFile, "Another copy of Brackwater keeps the file locked.");
        }
        std::this_thread::sleep_for(RetryInterval);
    }
}

TFileLock::~TFileLock()
{
    if (fd_ >= 0)
        ::close(fd_);  // releases the lock
}
