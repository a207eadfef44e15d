#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "tests/options/optionsdialogtest.h"
#include "tests/support/settingscheck.h"

namespace {

constexpr int OptionsPage = 0;
constexpr int CardBacksPage = 1;
constexpr int ColorPage = 2;
constexpr int SoundPage = 3;

GameSettings UnusualSettings()
{
    GameSettings s;
    s.MinDrawPile = 25;
    s.CardBack = 3;
    s.Level = LevelEasy;
    s.TableColor = 0x123456;
    s.StackColor = 0x00FF00;
    s.PlayColor = 0x808080;
    s.CardColor = 0x00FFFF;
    s.DigitalBack = 0xFF0000;
    s.DigitalFore = 0x0000FF;
    s.ShowPlays = false;
    s.DrawTop = false;
    s.SoundOn = true;
    s.PeekAtAll = false;
    s.SoundName[1] = "Ding";
    s.SoundPath[1] = "/usr/share/sounds/";
    s.SoundName[12] = "Peek.at";
    s.SoundPath[12] = "/";
    return s;
}

}  // namespace

using OptionsDialogTest = TOptionsDialogTest;

TEST_F(OptionsDialogTest, WindowHasItsCaptionSizeAndNoTitleBarButtons)
{
    Show();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Brackwater Options"));
    EXPECT_EQ(dialog->size(), QSize(529, 355));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinMaxButtonsHint));
    EXPECT_EQ(dialog->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(dialog->font().pixelSize(), 13);
}

TEST_F(OptionsDialogTest, FourPagesWithTabsNinetyPixelsWide)
{
    Show();
    QTabWidget* pages = Pages();
    EXPECT_EQ(pages->geometry(), QRect(0, 0, 529, 355));
    const QStringList captions = {"Options", "Card Backs", "Color", "Sound"};
    const QStringList names = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4"};
    ASSERT_EQ(pages->count(), 4);
    for (int i = 0; i < pages->count(); ++i) {
        EXPECT_EQ(pages->tabText(i), captions[i]);
        EXPECT_EQ(pages->widget(i)->objectName(), names[i]);
        EXPECT_EQ(pages->tabBar()->tabRect(i).width(), 90) << captions[i].toStdString();
    }
}

TEST_F(OptionsDialogTest, OkAndHelpFollowTheShowingPageHelpFirst)
{
    Show();
    for (int page : {CardBacksPage, SoundPage, ColorPage, OptionsPage}) {
        ShowPage(page);
        QWidget* sheet = Pages()->widget(page);
        auto* ok = Find<QPushButton>("btn_OK");
        auto* help = Find<QPushButton>("btn_Help");
        EXPECT_EQ(ok->parentWidget(), sheet);
        EXPECT_EQ(help->parentWidget(), sheet);
        EXPECT_TRUE(ok->isVisible());
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(ok->geometry(), QRect(426, 242, 69, 32));
        EXPECT_EQ(help->geometry(), QRect(314, 242, 69, 32));
        EXPECT_LT(sheet->children().indexOf(help), sheet->children().indexOf(ok));
    }
    EXPECT_EQ(Find<QPushButton>("btn_OK")->text(), QStringLiteral("&OK"));
    EXPECT_EQ(Find<QPushButton>("btn_Help")->text(), QStringLiteral("&Help"));
    EXPECT_FALSE(Find<QPushButton>("btn_OK")->icon().isNull());
    EXPECT_TRUE(Find<QPushButton>("btn_OK")->isDefault());
}

TEST_F(OptionsDialogTest, EveryShowingStartsOnTheOptionsPage)
{
    Show();
    ShowPage(ColorPage);
    Click("btn_OK");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);

    Show();
    EXPECT_EQ(Pages()->currentIndex(), OptionsPage);
    EXPECT_EQ(Find<QPushButton>("btn_OK")->parentWidget(), Pages()->widget(OptionsPage));
    EXPECT_EQ(Find<QPushButton>("btn_Help")->parentWidget(), Pages()->widget(OptionsPage));
    EXPECT_TRUE(Find<QPushButton>("btn_OK")->isVisible());
}

TEST_F(OptionsDialogTest, HelpOpensTheTopicOfThePageShowing)
{
    Show();
    for (int page : {OptionsPage, CardBacksPage, ColorPage, SoundPage}) {
        ShowPage(page);
        Click("btn_Help");
    }
    EXPECT_EQ(host.Calls, QStringList({"Help 3", "Help 12", "Help 14", "Help 15"}));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(OptionsDialogTest, OkWithoutChangesLeavesEverySettingAndTheTable)
{
    settings = UnusualSettings();
    const GameSettings before = settings;
    Show();
    for (int page : {OptionsPage, CardBacksPage, ColorPage, SoundPage})
        ShowPage(page);
    Click("btn_OK");
    EXPECT_FALSE(dialog->isVisible());
    ExpectSameSettings(settings, before);
    EXPECT_TRUE(host.Calls.isEmpty()) << host.Calls.join(", ").toStdString();
}

TEST_F(OptionsDialogTest, EnterClosesAndEscapeDoesNot)
{
    Show();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}
