#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QColorDialog>
#include <QFrame>
#include <QRadioButton>
#include <QTest>

#include "controls/carddeck.h"
#include "controls/label3d.h"
#include "tests/options/optionsdialogtest.h"

namespace {

constexpr int CardBacksPage = 1;
constexpr int ColorPage = 2;

QColor Rgb(TColor c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

}  // namespace

// "Options" page

using OptionsPageTest = TOptionsDialogTest;

TEST_F(OptionsPageTest, ShowingSetsTheControlsFromTheSettings)
{
    settings.MinDrawPile = 25;
    settings.Level = LevelEasy;
    settings.PeekAtAll = false;
    settings.DrawTop = false;
    settings.ShowPlays = true;
    settings.OnlyWinnable = true;
    Show();
    EXPECT_TRUE(Find<QCheckBox>("boxWinnable")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("rad25")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("radEasy")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("boxPeek")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("radPlaceBottom")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("boxPlays")->isChecked());
}

TEST_F(OptionsPageTest, AValueWithoutAButtonLeavesItsGroupAsItWas)
{
    settings.MinDrawPile = 20;
    settings.Level = LevelHard;
    Show();
    dialog->hide();
    settings.MinDrawPile = 15;
    settings.Level = 7;
    Show();
    EXPECT_TRUE(Find<QRadioButton>("rad20")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("radHard")->isChecked());
    EXPECT_EQ(settings.MinDrawPile, 15);
    EXPECT_EQ(settings.Level, 7);
}

TEST_F(OptionsPageTest, EachControlWritesItsSettingAtOnce)
{
    settings.MinDrawPile = 0;
    settings.Level = LevelHard;
    settings.DrawTop = true;
    settings.PeekAtAll = true;
    Show();

    Click("radEasy");
    EXPECT_EQ(settings.Level, LevelEasy);
    Click("radHard");
    EXPECT_EQ(settings.Level, LevelHard);
    Click("radPlaceBottom");
    EXPECT_FALSE(settings.DrawTop);
    Click("radPlaceTop");
    EXPECT_TRUE(settings.DrawTop);
    Click("boxPeek");
    EXPECT_FALSE(settings.PeekAtAll);
    Click("boxWinnable");
    EXPECT_TRUE(settings.OnlyWinnable);
    for (const auto& [name, value] : {std::pair{"rad20", 20}, {"rad25", 25}, {"rad30", 30}, {"radNone", 0}}) {
        Click(name);
        EXPECT_EQ(settings.MinDrawPile, value) << name;
    }
    EXPECT_TRUE(host.Calls.isEmpty()) << "these settings have no effect on the table";
}

TEST_F(OptionsPageTest, ThePlaysCounterHidesAndShowsAtOnce)
{
    settings.ShowPlays = true;
    Show();
    Click("boxPlays");
    EXPECT_FALSE(settings.ShowPlays);
    EXPECT_EQ(host.Calls, QStringList({"HidePlaysPanel"}));
    Click("boxPlays");
    EXPECT_TRUE(settings.ShowPlays);
    EXPECT_EQ(host.Calls, QStringList({"HidePlaysPanel", "ShowPlaysPanel"}));
}

TEST_F(OptionsPageTest, ResumeUndoAndOutlinesShowAndWriteTheirSettings)
{
    settings.ResumeGame = true;
    settings.UndoEveryMove = true;
    settings.StackOutlines = true;
    Show();
    auto* undo = Find<QComboBox>("cmbUndo");
    EXPECT_EQ(undo->currentText(), QStringLiteral("Every move"));
    EXPECT_TRUE(Find<QCheckBox>("boxResume")->isChecked());
    Click("boxResume");
    EXPECT_FALSE(settings.ResumeGame);
    Click("boxOutlines");
    EXPECT_FALSE(settings.StackOutlines);
    EXPECT_EQ(host.Calls, QStringList({"ApplyStackColor"})) << "outlines appear or go at once";
    undo->activated(0);
    EXPECT_FALSE(settings.UndoEveryMove);
    // The new box stays clear of the four boxes above it and of the buttons beside it.
    const QRect play = Find<QWidget>("boxPlay")->geometry();
    EXPECT_GE(play.top(), 118 + 105);
    EXPECT_LT(play.right(), Find<QWidget>("btn_Help")->geometry().left());
    EXPECT_LE(play.bottom(), Find<QWidget>("boxPlay")->parentWidget()->height());
}

TEST_F(OptionsPageTest, CaptionsAndGroupBoxesAsLaidOut)
{
    Show();
    EXPECT_EQ(Find<QCheckBox>("boxPlays")->text(), QStringLiteral(" Show # of plays"));
    EXPECT_EQ(Find<QCheckBox>("boxPeek")->text(), QStringLiteral(" Peek at all Cards"));
    EXPECT_EQ(Find<QRadioButton>("radPlaceBottom")->text(), QStringLiteral(" Place on Bottom"));
    EXPECT_EQ(Find<QWidget>("boxDrawPile")->geometry(), QRect(310, 118, 185, 105));
    EXPECT_EQ(Find<QWidget>("boxMisc")->geometry(), QRect(26, 8, 185, 105));
    EXPECT_EQ(Find<QWidget>("rad30")->pos(), QPoint(110, 68));
}

// "Card Backs" page

using CardBackPageTest = TOptionsDialogTest;

TEST_F(CardBackPageTest, TheMarkerSitsBehindTheCurrentBack)
{
    settings.CardBack = 8;
    Show();
    ShowPage(CardBacksPage);
    auto* marker = Find<QFrame>("bvlCard");
    auto* eight = Find<TCarddeck>("card_select8");
    EXPECT_TRUE(marker->isVisible());
    EXPECT_EQ(marker->geometry(), QRect(eight->x() - 4, eight->y() - 4, 79, 103));
    EXPECT_EQ(eight->pos(), QPoint(95, 130));
    EXPECT_EQ(eight->CardBack(), 8);
    EXPECT_EQ(eight->CardNum(), 0);
}

TEST_F(CardBackPageTest, ANewBackIsAppliedBeforeOk)
{
    settings.CardBack = 8;
    Show();
    ShowPage(CardBacksPage);
    QTest::mouseClick(Find<TCarddeck>("card_Select1"), Qt::LeftButton);
    EXPECT_EQ(settings.CardBack, 1);
    EXPECT_EQ(host.Calls, QStringList({"ApplyCardBack"}));
    EXPECT_EQ(Find<QFrame>("bvlCard")->pos(), QPoint(10 - 4, 14 - 4));

    QTest::mouseClick(Find<TCarddeck>("card_select12"), Qt::LeftButton);
    EXPECT_EQ(settings.CardBack, 12);
    EXPECT_EQ(Find<QFrame>("bvlCard")->pos(), QPoint(444 - 4, 130 - 4));
    Click("btn_OK");
    EXPECT_EQ(host.Calls, QStringList({"ApplyCardBack", "ApplyCardBack"}));
}

TEST_F(CardBackPageTest, SpaceOrReturnOnAFocusedBackChoosesIt)
{
    settings.CardBack = 8;
    Show();
    ShowPage(CardBacksPage);
    auto* three = Find<TCarddeck>("card_select3");
    three->setFocus();
    QTest::keyClick(three, Qt::Key_Space);
    EXPECT_EQ(settings.CardBack, 3);
    QTest::keyClick(three, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(settings.CardBack, 4) << "Tab goes on to the next back";
    EXPECT_EQ(host.Calls, QStringList({"ApplyCardBack", "ApplyCardBack"}));
}

TEST_F(CardBackPageTest, ABackWithoutASampleHidesTheMarkerUntilOneIsPicked)
{
    settings.CardBack = 13;
    Show();
    ShowPage(CardBacksPage);
    EXPECT_FALSE(Find<QFrame>("bvlCard")->isVisible());
    EXPECT_EQ(settings.CardBack, 13);
    QTest::mouseClick(Find<TCarddeck>("card_select5"), Qt::LeftButton);
    EXPECT_TRUE(Find<QFrame>("bvlCard")->isVisible());
    EXPECT_EQ(settings.CardBack, 5);
}

// "Color" page

using ColorPageTest = TOptionsDialogTest;

TEST_F(ColorPageTest, SamplesShowTheSettingsInLoweredBoxes)
{
    settings.StackColor = 0x0000FF;
    settings.TableColor = 0x00FF00;
    settings.PlayColor = 0xFF0000;
    settings.CardColor = 0x00FFFF;
    settings.DigitalBack = 0x000080;
    settings.DigitalFore = 0x008000;
    Show();
    ShowPage(ColorPage);
    const std::pair<const char*, TColor> samples[] = {
        {"lblStacks", settings.StackColor}, {"lblTable", settings.TableColor},
        {"lblPlayPile", settings.PlayColor}, {"lblStackCards", settings.CardColor},
        {"lblDigitalBack", settings.DigitalBack}, {"lblDigitalFore", settings.DigitalFore},
    };
    for (const auto& [name, color] : samples) {
        auto* sample = Find<TLabel3d>(name);
        EXPECT_EQ(sample->Color(), Rgb(color)) << name;
        EXPECT_EQ(sample->BevelOuter(), TLabelBevel::bvLowered) << name;
        EXPECT_EQ(sample->size(), QSize(73, 29)) << name;
    }
}

TEST_F(ColorPageTest, AConfirmedColourIsWrittenShownAndApplied)
{
    settings.StackColor = 0xC0C0C0;
    Show();
    ShowPage(ColorPage);
    colorAnswer = QColor(0x12, 0x34, 0x56);
    Click("btnStacks");
    EXPECT_EQ(colorPresets, QList<QColor>({Rgb(0xC0C0C0)}));
    EXPECT_EQ(settings.StackColor, 0x563412u) << "red in the low byte";
    EXPECT_EQ(Find<TLabel3d>("lblStacks")->Color(), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(host.Calls, QStringList({"ApplyStackColor"}));

    Click("btnTable");
    Click("btnPlayPile");
    Click("btnStackCards");
    EXPECT_EQ(settings.TableColor, 0x563412u);
    EXPECT_EQ(settings.PlayColor, 0x563412u);
    EXPECT_EQ(settings.CardColor, 0x563412u);
    EXPECT_EQ(host.Calls, QStringList({"ApplyStackColor", "ApplyTableColor", "ApplyPlayColor", "ApplyCardColor"}));
}

TEST_F(ColorPageTest, CancellingChangesNothing)
{
    settings.TableColor = 0x00FF00;
    Show();
    ShowPage(ColorPage);
    colorAnswer.reset();
    Click("btnTable");
    EXPECT_EQ(colorPresets.size(), 1);
    EXPECT_EQ(settings.TableColor, 0x00FF00u);
    EXPECT_EQ(Find<TLabel3d>("lblTable")->Color(), Rgb(0x00FF00));
    EXPECT_TRUE(host.Calls.isEmpty());
}

TEST_F(ColorPageTest, AllStartsFromTheColourTheDialogLastHeld)
{
    settings.TableColor = 0x00FF00;
    Show();
    ShowPage(ColorPage);
    colorAnswer.reset();
    Click("btnAll");
    Click("btnTable");
    Click("btnAll");
    ASSERT_EQ(colorPresets.size(), 3);
    EXPECT_EQ(colorPresets[0], QColor(Qt::black)) << "the dialog starts out black";
    EXPECT_EQ(colorPresets[2], Rgb(0x00FF00)) << "a cancelled dialog still keeps its preset";

    colorAnswer = QColor(Qt::red);
    Click("btnAll");
    colorAnswer.reset();
    Click("btnAll");
    EXPECT_EQ(colorPresets.last(), QColor(Qt::red));
}

TEST_F(ColorPageTest, AllColoursTheThreePanelsOnly)
{
    settings.CardColor = clWhite;
    settings.DigitalBack = clBlack;
    settings.DigitalFore = clAqua;
    Show();
    ShowPage(ColorPage);
    colorAnswer = QColor(0, 0, 0xFF);
    Click("btnAll");
    for (TColor panel : {settings.StackColor, settings.TableColor, settings.PlayColor})
        EXPECT_EQ(panel, 0xFF0000u);
    for (const char* name : {"lblStacks", "lblTable", "lblPlayPile"})
        EXPECT_EQ(Find<TLabel3d>(name)->Color(), QColor(0, 0, 0xFF)) << name;
    EXPECT_EQ(settings.CardColor, clWhite);
    EXPECT_EQ(settings.DigitalBack, clBlack);
    EXPECT_EQ(settings.DigitalFore, clAqua);
    EXPECT_EQ(host.Calls, QStringList({"ApplyStackColor", "ApplyTableColor", "ApplyPlayColor"}));
}

TEST_F(ColorPageTest, ForegroundEqualToTheBackgroundIsRefused)
{
    settings.DigitalBack = clBlack;
    settings.DigitalFore = clAqua;
    Show();
    ShowPage(ColorPage);
    colorAnswer = QColor(Qt::black);
    Click("btnDigitalFore");
    EXPECT_EQ(refusals, QStringList({"Can't make Background and Foreground colors the same"}));
    EXPECT_EQ(settings.DigitalFore, clAqua);
    EXPECT_EQ(Find<TLabel3d>("lblDigitalFore")->Color(), Rgb(clAqua));
    EXPECT_TRUE(host.Calls.isEmpty());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ColorPageTest, BackgroundIsComparedWithTheForegroundOnly)
{
    settings.DigitalBack = clBlack;
    settings.DigitalFore = clAqua;
    Show();
    ShowPage(ColorPage);
    colorAnswer = QColor(Qt::black);
    Click("btnDigitalBack");
    EXPECT_TRUE(refusals.isEmpty()) << "black equals itself, not the foreground";
    EXPECT_EQ(settings.DigitalBack, clBlack);
    EXPECT_EQ(host.Calls, QStringList({"RedrawCounters"}));

    colorAnswer = Rgb(clAqua);
    Click("btnDigitalBack");
    EXPECT_EQ(refusals.size(), 1);
    EXPECT_EQ(settings.DigitalBack, clBlack);

    colorAnswer = QColor(Qt::yellow);
    Click("btnDigitalBack");
    EXPECT_EQ(settings.DigitalBack, 0x00FFFFu);
    EXPECT_EQ(Find<TLabel3d>("lblDigitalBack")->Color(), QColor(Qt::yellow));
    EXPECT_EQ(host.Calls, QStringList({"RedrawCounters", "RedrawCounters"}));
}
