#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "window/frmhist.h"
#include "engine/gamehistory.h"
#include "tests/window/messagecatcher.h"
#include "store/settingsstore.h"
#include "controls/stringgrid.h"
#include "tests/window/tabchain.h"
#include "tests/support/tempfolder.h"

namespace fs = std::filesystem;

namespace {

constexpr int ColGames = 1;
constexpr int ColWon = 2;
constexpr int ColAverage = 3;

// Zero that finds the settings file turned into a folder when it reaches one row.
class FailingZeroDialog final : public Tfrm_Hist {
public:
    FailingZeroDialog(Player& player, TSettingsStore& store, int failingRow)
        : Tfrm_Hist(player, store), store_(store), failingRow_(failingRow)
    {
    }

    std::string TextBeforeFailure;

protected:
    void ZeroRowInFile(int row) override
    {
        if (row == failingRow_) {
            TextBeforeFailure = ReadText(store_.Path());
            fs::remove(store_.Path());
            fs::create_directory(store_.Path());
        }
        Tfrm_Hist::ZeroRowInFile(row);
    }

private:
    const TSettingsStore& store_;
    int failingRow_;
};

class HistoryDialogTest : public ::testing::Test {
protected:
    fs::path File() const { return folder_ / "BRACKWTR.INI"; }

    Tfrm_Hist& Open()
    {
        dialog_ = std::make_unique<Tfrm_Hist>(player_, store_);
        dialog_->show();
        return *dialog_;
    }

    QString CellText(int col, int row) const { return dialog_->Grid().Cell(col, row); }
    QStringList RowTexts(int row) const
    {
        return {CellText(ColGames, row), CellText(ColWon, row), CellText(ColAverage, row)};
    }
    QStringList Totals() const
    {
        return {dialog_->TotalGamesText(), dialog_->TotalWonText(), dialog_->AverageText()};
    }
    void SetRow(int row, int games, int won, int left) { history_.Row(row) = HistoryRow{games, won, left}; }

    TempFolder folder_;
    Player player_{"Ann", {}, {}};
    GameHistory& history_ = player_.History;
    TSettingsStore store_{File()};
    std::unique_ptr<Tfrm_Hist> dialog_;
    MessageCatcher messages_;
};

TEST_F(HistoryDialogTest, LayoutOfTheDesign)
{
    Tfrm_Hist& dialog = Open();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Game History for Ann"));
    EXPECT_EQ(dialog.size(), QSize(460, 367));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    const struct {
        const char* name;
        QRect bounds;
    } placements[] = {
        {"grd_History", {0, 0, 460, 296}}, {"pan_Total", {0, 295, 111, 25}},   {"pan_Games", {111, 295, 111, 25}},
        {"pan_Won", {222, 295, 111, 25}},  {"pan_Avg", {333, 295, 111, 25}},   {"btn_Zero", {294, 330, 69, 32}},
        {"btn_OK", {378, 330, 69, 32}},
    };
    for (const auto& p : placements) {
        SCOPED_TRACE(p.name);
        const auto* control = dialog.findChild<QWidget*>(QLatin1String(p.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), p.bounds);
    }
    const TStringGrid& grid = dialog.Grid();
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.RowCount(), 34);
    EXPECT_EQ(grid.DefaultColWidth(), 110);
    EXPECT_EQ(grid.DefaultRowHeight(), 20);
    EXPECT_EQ(grid.font().pixelSize(), 12);
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("pan_TotalCaption"))->text(), QStringLiteral("Totals"));
    const QFont figures = dialog.findChild<QLabel*>(QStringLiteral("pan_GamesCaption"))->font();
    EXPECT_EQ(figures.pixelSize(), 13);
    EXPECT_FALSE(figures.bold());
    auto* zero = dialog.findChild<QPushButton*>(QStringLiteral("btn_Zero"));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("btn_OK"));
    EXPECT_EQ(zero->text(), QStringLiteral("&Zero"));
    EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
    EXPECT_FALSE(zero->icon().isNull());
    EXPECT_FALSE(ok->icon().isNull());
    EXPECT_EQ(TabStopsAfter(*dialog.findChild<TStringGrid*>(), 2), (std::vector<QWidget*>{zero, ok}));

    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(HistoryDialogTest, FixedTexts)
{
    Tfrm_Hist& dialog = Open();
    const TStringGrid& grid = dialog.Grid();
    EXPECT_EQ(grid.Cell(0, 0), QStringLiteral("Starting Draw Pile"));
    EXPECT_EQ(grid.Cell(1, 0), QStringLiteral(" Games Played"));
    EXPECT_EQ(grid.Cell(2, 0), QStringLiteral("  Games Won"));
    EXPECT_EQ(grid.Cell(3, 0), QStringLiteral(" Avg Cards Left"));
    EXPECT_EQ(grid.Cell(0, 1), QStringLiteral("< 10"));
    EXPECT_EQ(grid.Cell(0, 2), QStringLiteral("10"));
    EXPECT_EQ(grid.Cell(0, 17), QStringLiteral("25"));
    EXPECT_EQ(grid.Cell(0, 32), QStringLiteral("40"));
    EXPECT_EQ(grid.Cell(0, 33), QStringLiteral("> 40"));
}

TEST_F(HistoryDialogTest, RecordedGamesShowInTheirRows)
{
    history_.RecordResult(3, 5);
    history_.RecordResult(8, 0);
    history_.RecordResult(9, 2);
    history_.RecordResult(25, 0);
    history_.RecordResult(40, 4);
    history_.RecordResult(41, 6);
    history_.RecordResult(60, 0);
    Open();
    EXPECT_EQ(RowTexts(1), QStringList({"3", "1", "2"}));
    EXPECT_EQ(RowTexts(17), QStringList({"1", "1", "0"}));
    EXPECT_EQ(RowTexts(32), QStringList({"1", "0", "4"}));
    EXPECT_EQ(RowTexts(33), QStringList({"2", "1", "3"}));
    EXPECT_EQ(RowTexts(2), QStringList({"", "", ""}));
    EXPECT_EQ(Totals(), QStringList({"7", "3", "2"}));  // 17 cards left over 7 games
    EXPECT_EQ(dialog_->Grid().TopRow(), 1);
}

TEST_F(HistoryDialogTest, AveragesDropTheFraction)
{
    SetRow(4, 3, 0, 10);
    SetRow(5, 2, 0, 3);
    Open();
    EXPECT_EQ(CellText(ColAverage, 4), QStringLiteral("3"));
    EXPECT_EQ(CellText(ColAverage, 5), QStringLiteral("1"));
    EXPECT_EQ(dialog_->AverageText(), QStringLiteral("2"));
}

TEST_F(HistoryDialogTest, NoGamesShowsZerosAndBlankCells)
{
    SetRow(6, -1, 0, 4);  // a row without games counts for nothing
    Open();
    EXPECT_EQ(Totals(), QStringList({"0", "0", "0"}));
    for (int row = 1; row <= GameHistory::RowCount; ++row)
        EXPECT_EQ(RowTexts(row), QStringList({"", "", ""})) << row;
    EXPECT_EQ(dialog_->Grid().TopRow(), 1);
}

TEST_F(HistoryDialogTest, OpensScrolledToTheFirstRowWithGames)
{
    struct Case {
        int first;
        int second;
        int top;
    };
    for (const Case c : {Case{1, 12, 1}, Case{12, 20, 12}, Case{23, 24, 23}, Case{28, 30, 23}}) {
        SCOPED_TRACE(c.first);
        history_.Clear();
        SetRow(c.first, 1, 0, 5);
        SetRow(c.second, 1, 0, 5);
        Open();
        EXPECT_EQ(dialog_->Grid().TopRow(), c.top);
        EXPECT_FALSE(dialog_->Grid().CellRect(ColGames, c.second).isEmpty());
    }
}

TEST_F(HistoryDialogTest, ZeroWritesEachRowAtOnceAndClearsTheTable)
{
    SetRow(2, 4, 1, 30);
    SetRow(9, 1, 1, 0);
    store_.SaveSettings(player_.Name, GameSettings{}, history_, WindowPosition{});
    SetRow(12, 2, 0, 8);  // recorded since the last save
    Open();
    messages_.Arm(QMessageBox::No);
    QTest::mouseClick(dialog_->findChild<QPushButton*>(QStringLiteral("btn_Zero")), Qt::LeftButton);
    EXPECT_EQ(messages_.LastText(), QStringLiteral("Erase the whole history of ") + QString::fromStdString(player_.Name) + "?");
    EXPECT_TRUE(messages_.NoWasDefault());
    EXPECT_EQ(history_.Row(12), (HistoryRow{2, 0, 8})) << "No erases nothing";
    messages_.Arm(QMessageBox::Yes);
    QTest::mouseClick(dialog_->findChild<QPushButton*>(QStringLiteral("btn_Zero")), Qt::LeftButton);
    EXPECT_EQ(messages_.Count(), 2);
    const std::string text = ReadText(File());
    for (int row : {2, 9, 12}) {
        const std::string n = std::to_string(row);
        for (const std::string key : {"HGame", "HWon", "HLeft"})
            EXPECT_NE(text.find(key + n + "=0\n"), std::string::npos) << key << n;
    }
    EXPECT_EQ(text.find("HGame3="), std::string::npos);
    EXPECT_TRUE(history_.IsEmpty());
    EXPECT_EQ(RowTexts(2), QStringList({"", "", ""}));
    EXPECT_EQ(Totals(), QStringList({"0", "0", "0"}));
    EXPECT_TRUE(dialog_->isVisible());

    GameSettings settings;
    GameHistory reloaded;
    TSettingsStore(File()).LoadSettings(player_.Name, true, settings, reloaded);
    EXPECT_TRUE(reloaded.IsEmpty());
}

TEST_F(HistoryDialogTest, ZeroStopsAtAFailedWrite)
{
    SetRow(2, 4, 1, 30);
    SetRow(9, 1, 1, 0);
    SetRow(12, 2, 0, 8);
    store_.SaveSettings(player_.Name, GameSettings{}, history_, WindowPosition{});
    FailingZeroDialog dialog(player_, store_, 9);
    dialog.show();
    messages_.Arm();
    dialog.btn_ZeroClick();

    EXPECT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.LastText(), QString::fromStdString("Unable to write to " + File().string()
                                                           + "\nThe file could not be read, so it is left as it is."));
    EXPECT_NE(dialog.TextBeforeFailure.find("HGame2=0\n"), std::string::npos);
    EXPECT_NE(dialog.TextBeforeFailure.find("HGame9=1\n"), std::string::npos);
    EXPECT_EQ(history_.Row(2), HistoryRow{});
    EXPECT_EQ(history_.Row(9), (HistoryRow{1, 1, 0}));
    EXPECT_EQ(history_.Row(12), (HistoryRow{2, 0, 8}));
    // The table still shows what it showed before Zero.
    EXPECT_EQ(dialog.Grid().Cell(ColGames, 2), QStringLiteral("4"));
    EXPECT_EQ(dialog.TotalGamesText(), QStringLiteral("7"));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(HistoryDialogTest, ZeroWithAnUnwritableFileKeepsEveryRow)
{
    fs::create_directory(File());
    SetRow(2, 4, 1, 30);
    TSettingsStore store(File());
    dialog_ = std::make_unique<Tfrm_Hist>(player_, store);
    dialog_->show();
    messages_.Arm();
    dialog_->btn_ZeroClick();
    EXPECT_EQ(messages_.Count(), 1);
    EXPECT_EQ(history_.Row(2), (HistoryRow{4, 1, 30}));
}

TEST(StringGridTest, ScrollsUnderTheFixedRow)
{
    TStringGrid grid(4, 34);
    grid.SetDefaultColWidth(110);
    grid.SetDefaultRowHeight(20);
    grid.setGeometry(0, 0, 460, 296);
    grid.show();
    EXPECT_EQ(grid.VisibleRowCount(), 13);
    QScrollBar& bar = *grid.verticalScrollBar();
    EXPECT_EQ(bar.minimum(), 1);
    EXPECT_EQ(bar.maximum(), 21);
    EXPECT_TRUE(bar.hasTracking());

    bar.setValue(10);
    EXPECT_EQ(grid.TopRow(), 10);
    EXPECT_EQ(grid.CellRect(2, 0), QRect(222, 0, 110, 20));
    EXPECT_EQ(grid.CellRect(2, 10), QRect(222, 21, 110, 20));
    EXPECT_TRUE(grid.CellRect(2, 9).isEmpty());

    // Set from the program, the top row may go past what scrolling reaches.
    grid.SetTopRow(23);
    EXPECT_EQ(bar.value(), 23);
    EXPECT_EQ(grid.CellRect(0, 33), QRect(0, 21 * 11, 110, 20));
}

TEST(StringGridTest, PaintsFixedCellsGreyAndLinesBetweenAllCells)
{
    TStringGrid grid(4, 34);
    grid.SetDefaultColWidth(110);
    grid.SetDefaultRowHeight(20);
    grid.setGeometry(0, 0, 460, 296);
    grid.SetCell(1, 1, QStringLiteral("7"));
    const QImage image = grid.grab().toImage();
    EXPECT_EQ(image.pixelColor(50, 10), QColor(0xC0, 0xC0, 0xC0));    // fixed row
    EXPECT_EQ(image.pixelColor(50, 100), QColor(0xC0, 0xC0, 0xC0));   // fixed column
    EXPECT_EQ(image.pixelColor(300, 100), QColor(Qt::white));          // a blank cell
    EXPECT_EQ(image.pixelColor(110, 100), QColor(Qt::black));          // after the fixed column
    EXPECT_EQ(image.pixelColor(300, 20), QColor(Qt::black));           // under the fixed row
    EXPECT_EQ(image.pixelColor(221, 100), QColor(0xC0, 0xC0, 0xC0));   // between data columns
    EXPECT_EQ(image.pixelColor(300, 41), QColor(0xC0, 0xC0, 0xC0));    // between data rows
    bool textDrawn = false;
    for (int x = 111; x < 131 && !textDrawn; ++x) {
        for (int y = 21; y < 41 && !textDrawn; ++y)
            textDrawn = image.pixelColor(x, y).lightness() < 100;
    }
    EXPECT_TRUE(textDrawn);
}

}  // namespace
