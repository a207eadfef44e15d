#include "store/inifile.h"

#include <array>
#include <cerrno>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store/filelock.h"
#include "store/filereplace.h"
#include "store/inivalue.h"
#include "store/settingswriteerror.h"
#include "store/filedescriptor.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t ReadChunk = 64U * 1024U;

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

}  // namespace

TIniFile::TIniFile(std::filesystem::path path, std::chrono::milliseconds lockWait)
    : path_(fs::absolute(std::move(path))), lockWait_(lockWait)
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
    const fs::path target = FollowLinks(path_);
    const TFileLock lock(target, lockWait_);
    Reload();
    if (!replaceable_)
        throw SettingsWriteError(path_, "The file could not be read, so it is left as it is.");
    TIniDocument edited = document_;
    edit(edited);
    const std::string text = edited.Text();
    if (text == document_.Text())
        return;
    if (text.size() > MaxFileSize)
        throw SettingsWriteError(path_, "The file would grow beyond 16 MiB.");
    RemoveDeadTemporaries(target);
    ReplaceFile(path_, target, text);
    document_ = std::move(edited);
}
