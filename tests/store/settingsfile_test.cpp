#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "store/settingsfile.h"
#include "tests/support/tempfolder.h"

namespace fs = std::filesystem;

namespace {

TEST(SettingsFileTest, ReplacesTheProgramsExtension)
{
    const struct {
        const char* program;
        const char* file;
    } cases[] = {
        {"/usr/games/brackwater", "/usr/games/brackwater.INI"},
        {"/opt/game/BRACKWTR.EXE", "/opt/game/BRACKWTR.INI"},
        {"/opt/game.d/brackwater", "/opt/game.d/brackwater.INI"},
        {"/opt/game.d/brackwater.bin", "/opt/game.d/brackwater.INI"},
        {"/a/b.tar.gz", "/a/b.tar.INI"},
        {"/a/prog.", "/a/prog.INI"},
        {"/a/.prog", "/a/.INI"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettingsFileBesideProgram(c.program), fs::path(c.file)) << c.program;
}

TEST(SettingsFileTest, StaysBesideAProgramWhoseFolderCanBeWritten)
{
    TempFolder folder;
    const fs::path config = folder / "config";
    EXPECT_EQ(SettingsFile(folder / "brackwater", config), folder / "brackwater.INI");
    EXPECT_FALSE(fs::exists(config));
    EXPECT_EQ(fs::directory_iterator(folder.Path()), fs::directory_iterator()) << "the probe was left behind";
}

TEST(SettingsFileTest, MovesToTheConfigFolderWhenTheProgramsFolderCannotBeWritten)
{
    TempFolder folder;
    const fs::path notAFolder = folder / "plain";
    WriteText(notAFolder, "");
    const fs::path config = folder / "config";
    const fs::path file = SettingsFile(notAFolder / "brackwater", config);
    EXPECT_EQ(file, config / "Brackwater" / "brackwater.INI");
    EXPECT_TRUE(fs::is_directory(config / "Brackwater"));
    EXPECT_EQ(SettingsFile(notAFolder / "brackwater", fs::path()), notAFolder / "brackwater.INI");
}

TEST(SettingsFileTest, AReadOnlyProgramFolderCountsAsInstalled)
{
    if (RunningAsRoot())
        GTEST_SKIP() << "root may write into a read-only folder";
    TempFolder folder;
    const fs::path bin = folder / "bin";
    fs::create_directory(bin);
    fs::permissions(bin, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(IsFolderWritable(bin));
    EXPECT_EQ(SettingsFile(bin / "brackwater", folder / "config"), folder / "config" / "Brackwater" / "brackwater.INI");
}

class ScopedEnvironment {
public:
    explicit ScopedEnvironment(const char* name) : name_(name)
    {
        if (const char* value = std::getenv(name))
            saved_ = value;
    }
    ~ScopedEnvironment()
    {
        if (saved_)
            ::setenv(name_, saved_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    void Set(const char* value) { ::setenv(name_, value, 1); }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(SettingsFileTest, ConfigFolderFollowsTheDesktopConventions)
{
    ScopedEnvironment xdg("XDG_CONFIG_HOME");
    ScopedEnvironment home("HOME");
    home.Set("/home/ann");
    xdg.Set("/srv/config");
    EXPECT_EQ(UserConfigFolder(), fs::path("/srv/config"));
    xdg.Set("relative/config");  // not absolute: ignored
    EXPECT_EQ(UserConfigFolder(), fs::path("/home/ann/.config"));
    xdg.Set("");
    EXPECT_EQ(UserConfigFolder(), fs::path("/home/ann/.config"));
}

}  // namespace
