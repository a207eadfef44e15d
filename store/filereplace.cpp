#include "store/filereplace.h"

#include <cerrno>
#include <charconv>
#include <string>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store/settingswriteerror.h"
#include "store/filedescriptor.h"

namespace fs = std::filesystem;

namespace {

constexpr int TempNameAttempts = 100;
constexpr int MaxLinkHops = 40;  // as the kernel's own limit
constexpr mode_t NewFileMode = 0666;  // narrowed by the umask
constexpr mode_t PermissionBits = 07777;

fs::path FolderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

std::string TempPrefix(const fs::path& target)
{
    return "." + target.filename().string() + ".new-";
}

bool WriteAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void SyncFolder(const fs::path& folder)
{
    // Makes the rename itself durable; the new file is complete either way,
    // so a failure here is not reported.
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

std::pair<fs::path, int> CreateTempBeside(const fs::path& target)
{
    const std::string base = TempPrefix(target) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < TempNameAttempts; ++attempt) {
        fs::path temp = FolderOf(target) / (base + std::to_string(attempt));
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, NewFileMode);
        if (fd >= 0)
            return {std::move(temp), fd};
        if (errno != EEXIST)
            break;
    }
    return {{}, -1};
}

// A save by another user (root, say) must not take the file from its owner.
// Only root may give a file away; anyone else keeps at least the group.
bool TakeOverOwnership(int fd, const struct stat& existing)
{
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
    return ::fchmod(fd, existing.st_mode & PermissionBits) == 0;
}

bool ProcessIsGone(std::string_view pidText)
{
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(pidText.data(), pidText.data() + pidText.size(), pid);
    if (error != std::errc() || end == pidText.data() || pid <= 0 || pid == ::getpid())
        return false;
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

fs::path FollowLinks(const fs::path& path)
{
    fs::path current = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(current, error))
            return current;
        const fs::path next = fs::read_symlink(current, error);
        if (error)
            return current;
        current = (next.is_absolute() ? next : FolderOf(current) / next).lexically_normal();
    }
    return path;
}

void ReplaceFile(const fs::path& shownPath, const fs::path& target, std::string_view text)
{
    const auto fail = [&](int error) { throw SettingsWriteError(shownPath, SettingsWriteError::SystemReason(error)); };
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    // Respect a file the user has made read-only, although a rename could replace it.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        if (errno == EACCES)
            throw SettingsWriteError(shownPath, "The file is read-only.");
        fail(errno);
    }
    auto [temp, fd] = CreateTempBeside(target);
    if (fd < 0)
        fail(errno);
    FileDescriptor file(fd);
    const bool written = (!exists || TakeOverOwnership(fd, existing)) && WriteAll(fd, text) && ::fsync(fd) == 0
        && file.Close() && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!written) {
        const int error = errno;
        file.Close();
        ::unlink(temp.c_str());
        fail(error);
    }
    SyncFolder(FolderOf(target));
}

void RemoveDeadTemporaries(const fs::path& target)
{
    const std::string prefix = TempPrefix(target);
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(FolderOf(target), error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix))
            continue;
        const std::string_view rest = std::string_view(name).substr(prefix.size());
        if (ProcessIsGone(rest.substr(0, rest.find('-'))))
            ::unlink(entry.path().c_str());
    }
}
