#include "store/inifile.h"

#include <array>
#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store/inivalue.h"
#include "store/settingswriteerror.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t ReadChunk = 64U * 1024U;
constexpr int TempNameAttempts = 100;
constexpr mode_t NewFileMode = 0666;  // narrowed by the umask
constexpr mode_t PermissionBits = 07777;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }

    int Get() const { return fd_; }
    bool Close()
    {
        const int fd = std::exchange(fd_, -1);
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

enum class ReadOutcome { Read, Missing, Refused };

struct FileText {
    ReadOutcome outcome = ReadOutcome::Missing;
    std::string text;
};

FileText ReadWholeFile(const fs::path& path)
{
    // O_NONBLOCK: a FIFO put in the file's place must not hang the program.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0)
        return {errno == ENOENT || errno == ENOTDIR ? ReadOutcome::Missing : ReadOutcome::Refused, {}};
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)
        || static_cast<std::uintmax_t>(info.st_size) > TIniFile::MaxFileSize)
        return {ReadOutcome::Refused, {}};
    FileText result{ReadOutcome::Read, {}};
    std::array<char, ReadChunk> buffer{};
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {ReadOutcome::Refused, {}};
        if (got == 0)
            return result;
        result.text.append(buffer.data(), static_cast<std::size_t>(got));
        if (result.text.size() > TIniFile::MaxFileSize)  // grew while we read
            return {ReadOutcome::Refused, {}};
    }
}

bool WriteAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A settings file that is a link keeps being a link: the file it points to
// is the one replaced.
fs::path LinkTarget(const fs::path& path)
{
    std::error_code error;
    if (!fs::is_symlink(path, error))
        return path;
    fs::path target = fs::weakly_canonical(path, error);
    return error ? path : target;
}

fs::path FolderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

void SyncFolder(const fs::path& folder)
{
    // Makes the rename itself durable; the new file is complete either way,
    // so a failure here is not reported.
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

std::pair<fs::path, int> CreateTempBeside(const fs::path& target, mode_t mode)
{
    const std::string base = "." + target.filename().string() + ".new-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < TempNameAttempts; ++attempt) {
        fs::path temp = FolderOf(target) / (base + std::to_string(attempt));
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0)
            return {std::move(temp), fd};
        if (errno != EEXIST)
            break;
    }
    return {{}, -1};
}

bool ReplaceFile(const fs::path& path, std::string_view text)
{
    const fs::path target = LinkTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    // Respect a file the user has made read-only, although a rename could replace it.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return false;
    auto [temp, fd] = CreateTempBeside(target, NewFileMode);
    if (fd < 0)
        return false;
    FileDescriptor file(fd);
    const bool written = (!exists || ::fchmod(fd, existing.st_mode & PermissionBits) == 0)
        && WriteAll(fd, text) && ::fsync(fd) == 0 && file.Close()
        && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!written) {
        file.Close();
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}

}  // namespace

TIniFile::TIniFile(std::filesystem::path path) : path_(fs::absolute(std::move(path)))
{
    Reload();
}

void TIniFile::Reload()
{
    FileText file = ReadWholeFile(path_);
    replaceable_ = file.outcome != ReadOutcome::Refused;
    document_ = TIniDocument(file.text);
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    return document_.Value(section, key).value_or(std::string(fallback));
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const
{
    const auto value = document_.Value(section, key);
    return value ? ParseIniInteger(*value).value_or(fallback) : fallback;
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TIniFile::Update(const std::function<void(TIniDocument&)>& edit)
{
    Reload();
    if (!replaceable_)
        throw SettingsWriteError(path_);
    TIniDocument edited = document_;
    edit(edited);
    const std::string text = edited.Text();
    if (text == document_.Text())
        return;
    if (!ReplaceFile(path_, text))
        throw SettingsWriteError(path_);
    document_ = std::move(edited);
}
