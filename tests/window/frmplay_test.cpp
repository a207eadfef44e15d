#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "window/frmplay.h"
#include "tests/window/messagecatcher.h"
#include "store/settingsstore.h"
#include "tests/window/tabchain.h"
#include "tests/support/tempfolder.h"

namespace fs = std::filesystem;

namespace {

const QString RefusedName = QStringLiteral("A player's name must have 1 to 64 characters, with no control "
                                           "characters and no \"]\", and cannot be \"Settings\".");
const std::string UnreadableFile = "\nThe file could not be read, so it is left as it is.";

// A "Settings" section with "Previous0" and the list from "Previous1" on.
std::string RecentSection(const std::string& last, const std::vector<std::string>& recent)
{
    std::string text = "[Settings]\nPrevious0=" + last + "\n";
    for (std::size_t i = 0; i < recent.size(); ++i)
        text += "Previous" + std::to_string(i + 1) + "=" + recent[i] + "\n";
    return text;
}

class PlayerDialogTest : public ::testing::Test {
protected:
    fs::path File() const { return folder_ / "BRACKWTR.INI"; }

    // Shows the dialog in its later form over the given file text (none when empty).
    void Open(const std::string& fileText, const std::string& current)
    {
        if (!fileText.empty())
            WriteText(File(), fileText);
        player_.Name = current;
        store_ = std::make_unique<TSettingsStore>(File());
        dialog_ = std::make_unique<Tfrm_Player>(*store_, player_);
        dialog_->SetLaterForm();
        dialog_->show();
    }

    QLineEdit& Edit() const { return *dialog_->findChild<QLineEdit*>(QStringLiteral("cmb_PlayerEdit")); }
    QListWidget& List() const { return *dialog_->findChild<QListWidget*>(QStringLiteral("cmb_PlayerList")); }
    QPushButton& Button(const char* name) const { return *dialog_->findChild<QPushButton*>(QLatin1String(name)); }

    void TypeName(const QString& name)
    {
        Edit().selectAll();
        QTest::keyClicks(&Edit(), name);
    }
    void Click(const char* button) { QTest::mouseClick(&Button(button), Qt::LeftButton); }
    // Delete, with Yes to its question.
    void ConfirmDelete()
    {
        messages_.Arm(QMessageBox::Yes);
        Click("btn_Delete");
    }
    QPoint EntryCentre(int row) const { return List().visualItemRect(List().item(row)).center(); }
    void ClickEntry(int row) { QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, EntryCentre(row)); }
    void DoubleClickEntry(int row)
    {
        ClickEntry(row);
        QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, EntryCentre(row));
    }
    void Accept(const QString& name)
    {
        TypeName(name);
        Click("btn_OK");
    }

    QStringList Listed() const { return dialog_->ListedNames(); }
    // "Previous0".."Previous4" as the file now holds them.
    std::vector<std::string> SavedRecent() const
    {
        TSettingsStore fresh(File());
        std::vector<std::string> values;
        for (int n = 0; n <= TSettingsStore::RecentPlayerCount; ++n)
            values.push_back(fresh.ReadPrevious(n));
        return values;
    }
    bool ClosedWithOk() const { return !dialog_->isVisible() && !dialog_->ChoseExit(); }

    TempFolder folder_;
    Player player_;
    std::unique_ptr<TSettingsStore> store_;
    std::unique_ptr<Tfrm_Player> dialog_;
    MessageCatcher messages_;
};

TEST_F(PlayerDialogTest, LayoutOfTheDesign)
{
    Open("", "");
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Enter Player Name"));
    EXPECT_EQ(dialog_->size(), QSize(331, 249));
    EXPECT_EQ(dialog_->minimumSize(), dialog_->maximumSize());
    EXPECT_FALSE(dialog_->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog_->windowFlags() & Qt::WindowSystemMenuHint);
    const struct {
        const char* name;
        QRect bounds;
    } placements[] = {
        {"Image1", {60, 16, 32, 32}},       {"lbl_Desc", {99, 20, 149, 24}},
        {"cmb_Player", {27, 68, 277, 125}}, {"btn_Exit", {67, 207, 69, 32}},
        {"btn_Delete", {151, 207, 69, 32}}, {"btn_OK", {235, 207, 69, 32}},
    };
    for (const auto& p : placements) {
        SCOPED_TRACE(p.name);
        const auto* control = dialog_->findChild<QWidget*>(QLatin1String(p.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), p.bounds);
    }
    const auto* desc = dialog_->findChild<QLabel*>(QStringLiteral("lbl_Desc"));
    EXPECT_EQ(desc->text(), QStringLiteral("Brackwater"));
    EXPECT_EQ(desc->font().pixelSize(), 21);
    EXPECT_TRUE(desc->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(Edit().font().pixelSize(), 12);
    EXPECT_EQ(List().font().pixelSize(), 12);
    EXPECT_EQ(Button("btn_Exit").text(), QStringLiteral("E&xit"));
    EXPECT_EQ(Button("btn_Delete").text(), QStringLiteral("&Delete"));
    EXPECT_EQ(Button("btn_OK").text(), QStringLiteral("&OK"));
    EXPECT_TRUE(Button("btn_OK").isDefault());
    EXPECT_FALSE(Button("btn_Delete").isEnabled());
    for (const char* name : {"btn_Exit", "btn_Delete", "btn_OK"})
        EXPECT_FALSE(Button(name).icon().isNull()) << name;
    EXPECT_EQ(TabStopsAfter(Edit(), 3),
              (std::vector<QWidget*>{&Button("btn_Exit"), &Button("btn_Delete"), &Button("btn_OK")}));
}

TEST_F(PlayerDialogTest, TheTwoForms)
{
    Open("", "");
    dialog_->SetStartupForm();
    EXPECT_TRUE(Button("btn_Exit").isVisible());
    EXPECT_EQ(Button("btn_Exit").geometry(), QRect(151, 207, 69, 32));
    EXPECT_FALSE(Button("btn_Delete").isVisible());
    EXPECT_TRUE(Button("btn_OK").isVisible());

    dialog_->SetLaterForm();
    EXPECT_FALSE(Button("btn_Exit").isVisible());
    EXPECT_TRUE(Button("btn_Delete").isVisible());
    EXPECT_EQ(Button("btn_Delete").geometry(), QRect(151, 207, 69, 32));
}

TEST_F(PlayerDialogTest, ExitClosesWithoutWriting)
{
    Open("", "");
    dialog_->SetStartupForm();
    TypeName(QStringLiteral("Kim"));
    Click("btn_Exit");
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_TRUE(dialog_->ChoseExit());
    EXPECT_EQ(player_.Name, "");
    EXPECT_FALSE(fs::exists(File()));
}

TEST_F(PlayerDialogTest, ShowingPresetsTheNameAndReadsTheList)
{
    Open(RecentSection("Ann", {"Ann", "", "Bob", "Cy"}), "Ann");
    EXPECT_EQ(Edit().text(), QStringLiteral("Ann"));
    EXPECT_EQ(Edit().selectedText(), QStringLiteral("Ann"));
    EXPECT_EQ(dialog_->focusWidget(), &Edit());
    EXPECT_EQ(Listed(), QStringList({"Ann", "Bob", "Cy"}));
    EXPECT_EQ(List().sizeHintForRow(0), 15);

    // Each showing starts again from the file.
    dialog_->hide();
    WriteText(File(), RecentSection("Ann", {"Dee"}));
    TSettingsStore reread(File());
    Tfrm_Player again(reread, player_);
    again.show();
    EXPECT_EQ(again.ListedNames(), QStringList({"Dee"}));
}

TEST_F(PlayerDialogTest, FirstRunAcceptsNothingUntilANameIsTyped)
{
    Open("", "");
    EXPECT_EQ(Edit().text(), QString());
    EXPECT_EQ(List().count(), 0);
    Click("btn_OK");
    QTest::keyClick(&Edit(), Qt::Key_Return);
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_FALSE(fs::exists(File()));

    TypeName(QStringLiteral("Kim"));
    QTest::keyClick(&Edit(), Qt::Key_Return);
    EXPECT_TRUE(ClosedWithOk());
    EXPECT_EQ(player_.Name, "Kim");
    EXPECT_EQ(SavedRecent(), (std::vector<std::string>{"Kim", "Kim", "", "", ""}));
}

TEST_F(PlayerDialogTest, NewNameGoesOnTopAndAFifthDropsTheFourth)
{
    Open(RecentSection("Ann", {"Ann", "Bob", "Cy", "Dee"}), "Ann");
    Accept(QStringLiteral("Eve"));
    EXPECT_TRUE(ClosedWithOk());
    EXPECT_EQ(player_.Name, "Eve");
    EXPECT_EQ(Listed(), QStringList({"Eve", "Ann", "Bob", "Cy"}));
    EXPECT_EQ(SavedRecent(), (std::vector<std::string>{"Eve", "Eve", "Ann", "Bob", "Cy"}));
}

TEST_F(PlayerDialogTest, ListedNameMovesToTopKeepingTheOthersOrder)
{
    Open(RecentSection("Ann", {"Ann", "Bob", "Cy"}), "Ann");
    Accept(QStringLiteral("Bob"));
    EXPECT_TRUE(ClosedWithOk());
    EXPECT_EQ(Listed(), QStringList({"Bob", "Ann", "Cy"}));
    EXPECT_EQ(SavedRecent(), (std::vector<std::string>{"Bob", "Bob", "Ann", "Cy", ""}));
}

TEST_F(PlayerDialogTest, OfTwoEqualEntriesTheLastMoves)
{
    Open(RecentSection("Bob", {"Ann", "Bob", "Ann", "Cy"}), "Bob");
    Accept(QStringLiteral("Ann"));
    EXPECT_EQ(Listed(), QStringList({"Ann", "Ann", "Bob", "Cy"}));
}

TEST_F(PlayerDialogTest, SameNameRewritesTheSectionWithTheListUnchanged)
{
    Open(RecentSection("Zed", {"Ann", "Bob"}) + "Stray=1\n", "Zed");
    Accept(QStringLiteral("Zed"));
    EXPECT_TRUE(ClosedWithOk());
    EXPECT_EQ(Listed(), QStringList({"Ann", "Bob"}));
    EXPECT_EQ(SavedRecent(), (std::vector<std::string>{"Zed", "Ann", "Bob", "", ""}));
    EXPECT_EQ(ReadText(File()).find("Stray"), std::string::npos);
}

TEST_F(PlayerDialogTest, LetterCaseMakesAnEntryOfItsOwn)
{
    Open(RecentSection("ann", {"ann"}), "ann");
    Accept(QStringLiteral("Ann"));
    EXPECT_EQ(player_.Name, "Ann");
    EXPECT_EQ(Listed(), QStringList({"Ann", "ann"}));
}

TEST_F(PlayerDialogTest, ClickPicksAnEntryAndDoubleClickChoosesIt)
{
    Open(RecentSection("Ann", {"Ann", "Bob"}), "Ann");
    ClickEntry(1);
    EXPECT_EQ(Edit().text(), QStringLiteral("Bob"));
    EXPECT_EQ(Edit().selectedText(), QStringLiteral("Bob"));
    EXPECT_TRUE(Button("btn_Delete").isEnabled());
    EXPECT_TRUE(dialog_->isVisible());

    DoubleClickEntry(1);
    EXPECT_TRUE(ClosedWithOk());
    EXPECT_EQ(player_.Name, "Bob");
    EXPECT_EQ(Listed(), QStringList({"Bob", "Ann"}));
}

TEST_F(PlayerDialogTest, ArrowKeysInTheEditLinePickEntries)
{
    Open(RecentSection("Ann", {"Ann", "Bob", "Cy"}), "Ann");
    QTest::keyClick(&Edit(), Qt::Key_Down);
    QTest::keyClick(&Edit(), Qt::Key_Down);
    EXPECT_EQ(Edit().text(), QStringLiteral("Bob"));
    QTest::keyClick(&Edit(), Qt::Key_Up);
    EXPECT_EQ(Edit().text(), QStringLiteral("Ann"));
    EXPECT_TRUE(Button("btn_Delete").isEnabled());
}

TEST_F(PlayerDialogTest, EscapeAndCloseRequestsLeaveItOpen)
{
    Open("", "Ann");
    QTest::keyClick(&Edit(), Qt::Key_Escape);
    EXPECT_TRUE(dialog_->isVisible());
    dialog_->close();
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_FALSE(fs::exists(File()));
}

TEST_F(PlayerDialogTest, NamesTheFileCannotHoldAreRefused)
{
    Open(RecentSection("Ann", {"Ann"}), "Ann");
    const std::string before = ReadText(File());
    const QString tooLong(65, QLatin1Char('x'));
    for (const QString& name : {QStringLiteral("Settings"), QStringLiteral(" sETTINGS"), QStringLiteral("a]b"), tooLong,
                                QStringLiteral("tab\tin"), QStringLiteral("bell\a")}) {
        SCOPED_TRACE(name.toStdString());
        messages_.Arm();
        Edit().setText(name);
        Click("btn_OK");
        EXPECT_EQ(messages_.LastText(), RefusedName);
        EXPECT_TRUE(dialog_->isVisible());
        EXPECT_EQ(player_.Name, "Ann");
        EXPECT_EQ(Listed(), QStringList({"Ann"}));
    }
    EXPECT_EQ(messages_.Count(), 6);
    EXPECT_EQ(ReadText(File()), before);
}

TEST_F(PlayerDialogTest, NamesAreTakenWithoutTheirOuterSpaces)
{
    Open(RecentSection("Ann", {"Ann"}), "Bob");
    messages_.Arm();
    Accept(QStringLiteral("   "));
    QCoreApplication::processEvents();  // the catcher's turn, with no box to answer
    EXPECT_EQ(messages_.Count(), 0);
    EXPECT_TRUE(dialog_->isVisible()) << "only spaces: no name";
    Accept(QStringLiteral("  Ann "));
    EXPECT_TRUE(ClosedWithOk());
    EXPECT_EQ(player_.Name, "Ann");
    EXPECT_EQ(SavedRecent(), (std::vector<std::string>{"Ann", "Ann", "", "", ""}));
}

TEST_F(PlayerDialogTest, DeleteErasesTheSectionAndOffersTheFirstName)
{
    Open(RecentSection("Ann", {"Ann", "Bob", "Cy"}) + "[Bob]\nLevel=1\n[Cy]\nLevel=1\n", "Ann");
    ClickEntry(1);
    messages_.Arm(QMessageBox::No);
    Click("btn_Delete");
    EXPECT_EQ(messages_.LastText(), QStringLiteral("Delete the player Bob with all settings and history?"));
    EXPECT_TRUE(messages_.NoWasDefault());
    EXPECT_NE(ReadText(File()).find("[Bob]"), std::string::npos) << "No deletes nothing";
    EXPECT_EQ(Listed(), QStringList({"Ann", "Bob", "Cy"}));
    ConfirmDelete();
    EXPECT_EQ(Listed(), QStringList({"Ann", "Cy"}));
    EXPECT_EQ(Edit().text(), QStringLiteral("Ann"));
    EXPECT_EQ(Edit().selectedText(), QStringLiteral("Ann"));
    EXPECT_FALSE(Button("btn_Delete").isEnabled());
    EXPECT_TRUE(dialog_->isVisible());
    const std::string text = ReadText(File());
    EXPECT_EQ(text.find("[Bob]"), std::string::npos);
    EXPECT_NE(text.find("[Cy]"), std::string::npos);
    // The list in the file waits for the next accept.
    EXPECT_EQ(SavedRecent(), (std::vector<std::string>{"Ann", "Ann", "Bob", "Cy", ""}));
}

TEST_F(PlayerDialogTest, DeleteWithNothingSelectedOnlyDisablesItself)
{
    Open(RecentSection("Ann", {"Ann", "Bob"}) + "[Bob]\nLevel=1\n", "Ann");
    ClickEntry(1);
    TypeName(QStringLiteral("Cy"));  // typing drops the pick
    Click("btn_Delete");
    EXPECT_FALSE(Button("btn_Delete").isEnabled());
    EXPECT_EQ(Listed(), QStringList({"Ann", "Bob"}));
    EXPECT_EQ(Edit().text(), QStringLiteral("Cy"));
    EXPECT_NE(ReadText(File()).find("[Bob]"), std::string::npos);
}

TEST_F(PlayerDialogTest, DeletedCurrentPlayerAcceptedAgainStaysOffTheList)
{
    Open(RecentSection("Bob", {"Bob", "Ann"}) + "[Bob]\nLevel=1\nHGame5=3\n", "Bob");
    ClickEntry(0);
    ConfirmDelete();
    Accept(QStringLiteral("Bob"));
    EXPECT_TRUE(ClosedWithOk());
    EXPECT_EQ(Listed(), QStringList({"Ann"}));
    EXPECT_EQ(SavedRecent(), (std::vector<std::string>{"Bob", "Ann", "", "", ""}));
    GameSettings settings;
    GameHistory history;
    TSettingsStore(File()).LoadSettings("Bob", true, settings, history);
    EXPECT_EQ(settings.Level, LevelHard);
    EXPECT_TRUE(history.IsEmpty());
}

TEST_F(PlayerDialogTest, DeletedOtherPlayerAcceptedAgainReturnsOnTop)
{
    Open(RecentSection("Bob", {"Bob", "Ann"}) + "[Ann]\nLevel=1\n", "Bob");
    ClickEntry(1);
    ConfirmDelete();
    Accept(QStringLiteral("Ann"));
    EXPECT_EQ(Listed(), QStringList({"Ann", "Bob"}));
    EXPECT_EQ(ReadText(File()).find("Level"), std::string::npos);
}

TEST_F(PlayerDialogTest, FailedWriteOnAcceptKeepsTheDialogOpen)
{
    fs::create_directory(File());  // refused even to root
    Open("", "Ann");
    messages_.Arm();
    Accept(QStringLiteral("Kim"));
    EXPECT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.LastText(), QString::fromStdString("Unable to write to " + File().string() + UnreadableFile));
    EXPECT_EQ(messages_.LastTitle(), QApplication::applicationDisplayName());
    EXPECT_TRUE(dialog_->isVisible());
    // What the accept had done before the write stays done.
    EXPECT_EQ(player_.Name, "Kim");
    EXPECT_EQ(Listed(), QStringList({"Kim"}));
}

TEST_F(PlayerDialogTest, AfterAFailedAcceptEscapeAndCloseGoBackToTheCurrentPlayer)
{
    fs::create_directory(File());
    for (const bool escape : {true, false}) {
        Open("", "Ann");
        messages_.Arm();
        Accept(QStringLiteral("Kim"));
        ASSERT_TRUE(dialog_->isVisible());
        if (escape)
            QTest::keyClick(&Edit(), Qt::Key_Escape);
        else
            dialog_->close();
        EXPECT_FALSE(dialog_->isVisible());
        EXPECT_EQ(player_.Name, "Ann");
    }
    // The start-up form keeps its Exit as the only way out.
    Open("", "");
    dialog_->SetStartupForm();
    messages_.Arm();
    Accept(QStringLiteral("Kim"));
    QTest::keyClick(&Edit(), Qt::Key_Escape);
    dialog_->close();
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(PlayerDialogTest, FailedEraseOnDeleteKeepsTheEntry)
{
    Open(RecentSection("Ann", {"Ann", "Bob"}) + "[Bob]\nLevel=1\n", "Ann");
    fs::remove(File());
    fs::create_directory(File());
    ClickEntry(1);
    messages_.ArmSequence({QMessageBox::Yes, QMessageBox::Ok});
    Click("btn_Delete");
    EXPECT_EQ(messages_.Count(), 2);
    EXPECT_EQ(messages_.LastText(), QString::fromStdString("Unable to write to " + File().string() + UnreadableFile));
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(Listed(), QStringList({"Ann", "Bob"}));
    EXPECT_TRUE(Button("btn_Delete").isEnabled());
}

}  // namespace
