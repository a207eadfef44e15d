#include "store/settingsfile.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* IniExtension = ".INI";
constexpr const char* AppFolder = "Brackwater";
constexpr int ProbeAttempts = 100;

fs::path EnvironmentPath(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? fs::path() : fs::path(value);
}

}  // namespace

fs::path SettingsFileBesideProgram(const fs::path& programPath)
{
    std::string name = programPath.filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return programPath.parent_path() / (name + IniExtension);
}

fs::path UserConfigFolder()
{
    const fs::path xdg = EnvironmentPath("XDG_CONFIG_HOME");
    if (xdg.is_absolute())
        return xdg;
    const fs::path home = EnvironmentPath("HOME");
    return home.is_absolute() ? home / ".config" : fs::path();
}

bool IsFolderWritable(const fs::path& folder)
{
    const std::string base = ".brackwater-probe-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < ProbeAttempts; ++attempt) {
        const fs::path probe = folder / (base + std::to_string(attempt));
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(probe.c_str());
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

fs::path InstalledDataFolder(const fs::path& programPath, const fs::path& dataFromBin)
{
    const fs::path folder = (fs::absolute(programPath).parent_path() / dataFromBin).lexically_normal();
    std::error_code unreadable;
    return fs::is_directory(folder, unreadable) ? folder : fs::path();
}

fs::path SettingsFile(const fs::path& programPath, const fs::path& configFolder, bool installed)
{
    const fs::path beside = SettingsFileBesideProgram(fs::absolute(programPath));
    if (configFolder.empty() || (!installed && IsFolderWritable(beside.parent_path())))
        return beside;
    const fs::path folder = configFolder / AppFolder;
    std::error_code ignored;  // a folder that cannot be made shows up as a failed write
    fs::create_directories(folder, ignored);
    return folder / beside.filename();
}

fs::path SettingsFile(const fs::path& programPath, bool installed)
{
    return SettingsFile(programPath, UserConfigFolder(), installed);
}
