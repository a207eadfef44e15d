#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/store/ordinaryuser.h"
#include "store/settingsfile.h"
#include "store/settingsmigration.h"
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

TEST(SettingsFileTest, AReadOnlyProgramFolderCountsAsInstalledAndItsFileIsCopiedOnce)
{
    if (!OrdinaryUserAvailable())
        GTEST_SKIP() << "root without the user " << OrdinaryTestUser;
    TempFolder folder;
    const fs::path bin = folder / "bin";
    fs::create_directory(bin);
    const std::string players = "[Settings]\nPrevious0=Ann\n\n[Ann]\nHGame1=3\n";
    WriteText(bin / "brackwater.INI", players);
    fs::permissions(bin, fs::perms::owner_read | fs::perms::owner_exec);
    AsOrdinaryUser(folder, [&] {
        EXPECT_FALSE(IsFolderWritable(bin));
        const fs::path chosen = SettingsFile(bin / "brackwater", folder / "config");
        EXPECT_EQ(chosen, folder / "config" / "Brackwater" / "brackwater.INI");
        const auto notice = AdoptSettingsBesideProgram(bin / "brackwater.INI", chosen);
        ASSERT_TRUE(notice.has_value());
        EXPECT_NE(notice->find(chosen.string()), std::string::npos);
        EXPECT_NE(notice->find((bin / "brackwater.INI").string()), std::string::npos);
        EXPECT_EQ(ReadText(chosen), players);
        // Told once: the next start finds its file in the config folder.
        WriteText(chosen, players + "HWon1=1\n");
        EXPECT_FALSE(AdoptSettingsBesideProgram(bin / "brackwater.INI", chosen).has_value());
        EXPECT_EQ(ReadText(chosen), players + "HWon1=1\n");
    });
    EXPECT_EQ(ReadText(bin / "brackwater.INI"), players);
    EXPECT_EQ(std::distance(fs::directory_iterator(bin), fs::directory_iterator()), 1);
}

TEST(SettingsFileTest, NothingIsCopiedWithoutAFileBesideOrWhenTheFileStaysBeside)
{
    TempFolder folder;
    const fs::path beside = folder / "brackwater.INI";
    const fs::path config = folder / "brackwater-config.INI";
    EXPECT_FALSE(AdoptSettingsBesideProgram(beside, config).has_value());
    EXPECT_FALSE(fs::exists(config));
    WriteText(beside, "[Ann]\n");
    EXPECT_FALSE(AdoptSettingsBesideProgram(beside, beside).has_value());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

TEST(SettingsFileTest, AnInstalledCopyKeepsItsSettingsInTheConfigFolderThoughItCouldWriteBesideItself)
{
    TempFolder prefix;
    const fs::path program = prefix / "bin" / "brackwater";
    fs::create_directories(program.parent_path());
    EXPECT_EQ(InstalledDataFolder(program, "../share/brackwater"), fs::path()) << "no data folder: not installed";

    fs::create_directories(prefix / "share" / "brackwater");
    const fs::path data = InstalledDataFolder(program, "../share/brackwater");
    EXPECT_EQ(data, prefix / "share" / "brackwater");

    const fs::path config = prefix / "config";
    EXPECT_EQ(SettingsFile(program, config, !data.empty()), config / "Brackwater" / "brackwater.INI");
    EXPECT_TRUE(fs::is_directory(config / "Brackwater"));
    EXPECT_EQ(SettingsFile(program, config, false), program.parent_path() / "brackwater.INI");
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
