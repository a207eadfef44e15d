// Every dialog is used from the keyboard alone: Tab goes through its
// controls as they stand on screen, and an assistive tool finds a name for
// each of them.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "options/frmoptn.h"
#include "tests/support/keyboardwalk.h"
#include "tests/window/windowparts.h"
#include "window/frmabout.h"
#include "window/frmhist.h"
#include "window/frmlose.h"
#include "window/frmmain.h"
#include "window/frmplay.h"

namespace {

class DialogKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<Tfrm_Main>(parts.player, parts.store, parts.sound);
        window->show();
    }

    // Shows the dialog without waiting in it, walks its Tab chain and
    // checks its names.
    void Check(QDialog& dialog, const QStringList& expected)
    {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_EQ(TabWalk(dialog).join(QLatin1Char(' ')).toStdString(), expected.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(UnnamedControls(dialog).join(QLatin1Char(' ')).toStdString(), "");
        dialog.hide();
    }

    WindowParts parts{"PlumbLine"};
    std::unique_ptr<Tfrm_Main> window;
};

TEST_F(DialogKeysTest, PlayerDialog)
{
    Check(window->PlayerDialog(), {"cmb_PlayerEdit", "btn_Exit", "btn_OK"});
}

TEST_F(DialogKeysTest, HistoryDialog)
{
    Tfrm_Hist history(parts.player, parts.store, window.get());
    // Zero stands left of OK.
    Check(history, {"grd_History", "btn_Zero", "btn_OK"});
}

TEST_F(DialogKeysTest, AboutDialog)
{
    Check(window->AboutDialog(), {"btn_OK"});
}

TEST_F(DialogKeysTest, GameOverDialog)
{
    window->LoseDialog().ShowResult(31, 12);
    Check(window->LoseDialog(), {"BitBtn1"});
}

TEST_F(DialogKeysTest, OptionsDialogPageByPage)
{
    TfrmOptions options(parts.player.Settings, true, *window, parts.sound, window.get());
    auto* pages = options.findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    options.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&options));
    // Box by box, the left column before the right, then the rows under them;
    // the sound events row by row.
    const char* const walks[] = {
        "boxPlays boxWinnable boxPeek radEasy radPlaceTop radNone boxResume boxOutlines cmbUndo cmb_Language",
        "card_Select1 card_select2 card_select3 card_select4 card_select5 card_select6 card_select7 card_select8 "
        "card_select9 card_select10 card_select11 card_select12",
        "btnAll btnStacks btnTable btnPlayPile btnStackCards btnDigitalBack btnDigitalFore",
        "drvSound dirSound lst_Sound cmb_FileType lbl_Sound1 lbl_sound12 lbl_sound2 lbl_sound6 lbl_sound3 lbl_sound7 "
        "lbl_sound4 lbl_sound8 lbl_sound5 lbl_sound9 lbl_sound11 lbl_sound10 rad_On trk_Volume",
    };
    ASSERT_EQ(pages->count(), 4);
    for (int page = 0; page < pages->count(); ++page) {
        SCOPED_TRACE(page);
        pages->setCurrentIndex(page);
        pages->tabBar()->setFocus();
        EXPECT_EQ(TabWalk(options).join(QLatin1Char(' ')).toStdString(),
                  std::string("qt_tabwidget_tabbar ") + walks[page] + " btn_Help btn_OK");
        EXPECT_EQ(UnnamedControls(options).join(QLatin1Char(' ')).toStdString(), "");
    }
}

}  // namespace
