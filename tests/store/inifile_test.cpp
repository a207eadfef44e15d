#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "store/filelock.h"
#include "store/inifile.h"
#include "tests/store/ordinaryuser.h"
#include "store/settingsstore.h"
#include "store/settingswriteerror.h"
#include "tests/support/tempfolder.h"

namespace fs = std::filesystem;

namespace {

const std::string Original = "[Settings]\nPrevious0=Ann\n\n[Ann]\nLevel=1\nTop=0x20\n";

// Entries other than the lock file, which stays for the next save.
std::size_t EntryCount(const fs::path& folder)
{
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += entry.path().filename().string().ends_with(".lock") ? 0 : 1;
    return count;
}

// Every operation that changes the file must fail with the program's message
// and the reason, and leave the file, and what the store answers, as they were.
void ExpectEveryWriteFails(const fs::path& file, const std::string& reason)
{
    TSettingsStore store(file);
    const std::string message = "Unable to write to " + fs::absolute(file).string() + "\n" + reason;
    GameHistory history;
    history.Row(1) = {1, 1, 0};
    const auto expectFailure = [&](const auto& operation) {
        try {
            operation();
            ADD_FAILURE() << "no error for " << file;
        } catch (const SettingsWriteError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    };
    expectFailure([&] { store.SaveSettings("Carl", GameSettings{}, history, {}); });
    expectFailure([&] { store.WriteRecentPlayers("Carl", {"Carl"}); });
    expectFailure([&] { store.ZeroHistoryRow("Carl", 1); });
}

class IniFileFailureTest : public ::testing::Test {
protected:
    fs::path File() const { return folder_ / "BRACKWTR.INI"; }

    void ExpectFileUnchanged()
    {
        EXPECT_EQ(ReadText(File()), Original);
        EXPECT_EQ(EntryCount(folder_.Path()), 1U) << "a temporary file was left behind";
    }

    TempFolder folder_;
};

TEST_F(IniFileFailureTest, TargetIsAFolder)
{
    fs::create_directory(File());
    ExpectEveryWriteFails(File(), "The file could not be read, so it is left as it is.");
    EXPECT_TRUE(fs::is_directory(File()));
    EXPECT_TRUE(fs::is_empty(File()));
    EXPECT_EQ(EntryCount(folder_.Path()), 1U);
}

TEST_F(IniFileFailureTest, FolderIsARegularFile)
{
    const fs::path notAFolder = folder_ / "plain";
    WriteText(notAFolder, Original);
    ExpectEveryWriteFails(notAFolder / "BRACKWTR.INI", "Not a directory.");
    EXPECT_EQ(ReadText(notAFolder), Original);
    TSettingsStore(notAFolder / "BRACKWTR.INI").EraseSection("Ann");  // nothing to erase: no error
}

TEST_F(IniFileFailureTest, DiskFullHalfwayThroughTheNewFile)
{
    WriteText(File(), Original);
    TSettingsStore store(File());
    // A file-size limit binds root too: writing the new file fails part way.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = Original.size();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool failed = false;
    try {
        store.SaveSettings("Ann", GameSettings{}, GameHistory{}, {});
    } catch (const SettingsWriteError& error) {
        failed = true;
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + File().string() + "\nFile too large.");
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(failed);
    ExpectFileUnchanged();
    // The store still answers from the file as it is.
    EXPECT_EQ(store.LoadWindowPosition("Ann"), (WindowPosition{32, 10}));
    EXPECT_EQ(store.ReadPrevious(0), "Ann");
}

TEST_F(IniFileFailureTest, ReadOnlyFile)
{
    if (!OrdinaryUserAvailable())
        GTEST_SKIP() << "root without the user " << OrdinaryTestUser;
    WriteText(File(), Original);
    fs::permissions(File(), fs::perms::owner_read);
    AsOrdinaryUser(folder_, [&] {
        ExpectEveryWriteFails(File(), "The file is read-only.");
        EXPECT_THROW(TSettingsStore(File()).EraseSection("Ann"), SettingsWriteError);
    });
    ExpectFileUnchanged();
}

TEST_F(IniFileFailureTest, ReadOnlyFolder)
{
    if (!OrdinaryUserAvailable())
        GTEST_SKIP() << "root without the user " << OrdinaryTestUser;
    WriteText(File(), Original);
    fs::permissions(folder_.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    AsOrdinaryUser(folder_, [&] { ExpectEveryWriteFails(File(), "Permission denied."); });
    ExpectFileUnchanged();
}

TEST_F(IniFileFailureTest, LockedByAnotherCopyTooLong)
{
    WriteText(File(), Original);
    TIniFile ini(File(), std::chrono::milliseconds(50));
    const TFileLock other(File(), std::chrono::milliseconds(0));  // a lock of its own, as another process's
    try {
        ini.Update([](TIniDocument& doc) { doc.SetValue("Ann", "Level", "2"); });
        ADD_FAILURE() << "wrote through another copy's lock";
    } catch (const SettingsWriteError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Unable to write to " + File().string() + "\nAnother copy of Brackwater keeps the file locked.");
    }
    ExpectFileUnchanged();
}

TEST_F(IniFileFailureTest, AFileTheReaderWouldRefuseIsNeverWritten)
{
    // Just under the limit: one more key would lock the player out of the file.
    const std::string filler = "; " + std::string(TIniFile::MaxFileSize - Original.size() - 3, 'x') + "\n";
    WriteText(File(), Original + filler);
    TIniFile ini(File());
    try {
        ini.Update([](TIniDocument& doc) { doc.SetValue("Ann", "Card Back", "3"); });
        ADD_FAILURE() << "the file grew beyond what it may hold";
    } catch (const SettingsWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + File().string() + "\nThe file would grow beyond 16 MiB.");
    }
    EXPECT_EQ(fs::file_size(File()), TIniFile::MaxFileSize);
    EXPECT_EQ(ini.ReadInteger("Ann", "Level", 0), 1);
}

TEST_F(IniFileFailureTest, FileTooBigToBeOurs)
{
    WriteText(File(), Original);
    fs::resize_file(File(), TIniFile::MaxFileSize + 1);  // sparse: no disk used
    TIniFile ini(File());
    EXPECT_EQ(ini.ReadString("Ann", "Level", "none"), "none");
    EXPECT_THROW(ini.Update([](TIniDocument& doc) { doc.SetValue("Ann", "Level", "2"); }), SettingsWriteError);
    EXPECT_EQ(fs::file_size(File()), TIniFile::MaxFileSize + 1);
    std::ifstream in(File(), std::ios::binary);
    std::string start(Original.size(), '\0');
    in.read(start.data(), static_cast<std::streamsize>(start.size()));
    EXPECT_EQ(start, Original);
}

TEST_F(IniFileFailureTest, PipeInPlaceOfTheFile)
{
    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    TIniFile ini(File());  // must not wait for a writer
    EXPECT_EQ(ini.ReadInteger("Ann", "Level", 7), 7);
    EXPECT_THROW(ini.Update([](TIniDocument& doc) { doc.SetValue("Ann", "Level", "2"); }), SettingsWriteError);
}

class IniFileTest : public IniFileFailureTest {};

TEST_F(IniFileTest, CreatesAMissingFileAndKeepsPermissions)
{
    TIniFile ini(File());
    ini.Update([](TIniDocument& doc) { doc.SetValue("Ann", "Level", "1"); });
    EXPECT_EQ(ReadText(File()), "[Ann]\nLevel=1\n");
    fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ini.Update([](TIniDocument& doc) { doc.SetValue("Ann", "Level", "2"); });
    EXPECT_EQ(ReadText(File()), "[Ann]\nLevel=2\n");
    EXPECT_EQ(fs::status(File()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(EntryCount(folder_.Path()), 1U);
}

TEST_F(IniFileTest, AnUnchangedFileIsNotRewritten)
{
    WriteText(File(), Original);
    struct stat before {};
    ASSERT_EQ(::stat(File().c_str(), &before), 0);
    TIniFile ini(File());
    ini.Update([](TIniDocument& doc) { doc.SetValue("ann", "LEVEL", "1"); });
    ini.Update([](TIniDocument& doc) { doc.EraseSection("Bob"); });
    struct stat after {};
    ASSERT_EQ(::stat(File().c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(IniFileTest, EachWriteStartsFromTheFileOnDisk)
{
    WriteText(File(), Original);
    TIniFile ini(File());
    // Another copy of the program adds a player meanwhile.
    WriteText(File(), Original + "\n[Bob]\nLevel=1\n");
    ini.Update([](TIniDocument& doc) { doc.SetValue("Ann", "Level", "2"); });
    EXPECT_EQ(ReadText(File()), "[Settings]\nPrevious0=Ann\n\n[Ann]\nLevel=2\nTop=0x20\n\n[Bob]\nLevel=1\n");
}

TEST_F(IniFileTest, ALinkedFileStaysLinked)
{
    const fs::path real = folder_ / "real.ini";
    WriteText(real, Original);
    fs::create_symlink(real, File());
    TIniFile ini(File());
    ini.Update([](TIniDocument& doc) { doc.SetValue("Ann", "Level", "2"); });
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_NE(ReadText(real).find("Level=2"), std::string::npos);
}

TEST_F(IniFileTest, ALinkToAFileNotMadeYetStaysALink)
{
    fs::create_directory(folder_ / "real");
    fs::create_symlink("real/brackwater.ini", File());
    TIniFile(File()).Update([](TIniDocument& doc) { doc.SetValue("Ann", "Level", "1"); });
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_EQ(ReadText(folder_ / "real" / "brackwater.ini"), "[Ann]\nLevel=1\n");
}

TEST_F(IniFileTest, TemporariesOfKilledSavesAreRemovedAtTheNextSave)
{
    WriteText(File(), Original);
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const fs::path leftOver = folder_ / (".BRACKWTR.INI.new-" + std::to_string(gone) + "-0");
    const fs::path stillSaving = folder_ / ".BRACKWTR.INI.new-1-0";  // pid 1 runs as long as the system
    WriteText(leftOver, Original);
    WriteText(stillSaving, Original);
    TIniFile(File()).Update([](TIniDocument& doc) { doc.SetValue("Ann", "Level", "2"); });
    EXPECT_FALSE(fs::exists(leftOver));
    EXPECT_TRUE(fs::exists(stillSaving));
}

TEST_F(IniFileTest, ASaveByAnotherUserKeepsOwnerGroupAndMode)
{
    if (!RunningAsRoot() || !OrdinaryUserAvailable())
        GTEST_SKIP() << "only root can save a file another user owns";
    WriteText(File(), Original);
    fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    AsOrdinaryUser(folder_, [] {});  // hands the folder and the file to the test user
    struct stat before {};
    ASSERT_EQ(::stat(File().c_str(), &before), 0);
    TIniFile(File()).Update([](TIniDocument& doc) { doc.SetValue("Ann", "Level", "2"); });
    struct stat after {};
    ASSERT_EQ(::stat(File().c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino) << "replaced, not written in place";
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode, before.st_mode);
}

TEST_F(IniFileTest, BinaryAndOddFilesAreReadAndKept)
{
    std::string odd("\0\xFF\xFE[\x01]\n", 7);
    odd += std::string(200000, 'x') + "=" + std::string(100000, 'y') + "\n";  // one very long line
    odd += "[Ann\r\nLevel\r\n=3\n[]\n=\n[Ann]\nLevel=1\n";
    WriteText(File(), odd);
    TSettingsStore store(File());
    GameSettings settings;
    GameHistory history;
    store.LoadSettings("Ann", true, settings, history);
    EXPECT_EQ(settings.Level, LevelHard);  // "[Ann" opens the first section named Ann; it has no Level
    store.SaveSettings("Ann", settings, history, {});
    EXPECT_TRUE(ReadText(File()).starts_with(odd.substr(0, odd.find("[]"))));
}

}  // namespace

