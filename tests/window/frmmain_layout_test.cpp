#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "controls/carddeck.h"
#include "window/frmmain.h"
#include "tests/window/windowparts.h"
#include "controls/image.h"
#include "controls/label3d.h"
#include "controls/panel.h"

namespace {

struct Placement {
    std::string name;
    std::string parent;
    QRect bounds;
};

std::vector<Placement> Numbered(const std::string& prefix, const std::string& parent, int count, int left, int step, int top)
{
    std::vector<Placement> rows;
    for (int k = 1; k <= count; ++k)
        rows.push_back({prefix + std::to_string(k), parent, QRect(left + step * (k - 1), top, 71, 95)});
    return rows;
}

std::vector<Placement> Layout()
{
    std::vector<Placement> rows = {
        {"pan_Stack1", "client", {0, 0, 92, 434}},
        {"pan_Table", "client", {92, 0, 449, 325}},
        {"pan_Stack2", "client", {541, 0, 92, 434}},
        {"pan_PlayPile", "client", {92, 325, 449, 109}},
        {"panPeek", "client", {85, 41, 449, 128}},
        {"card_Stack1", "pan_Stack1", {11, 8, 71, 95}},
        {"card_Stack2", "pan_Stack1", {11, 112, 71, 95}},
        {"card_Stack3", "pan_Stack1", {10, 216, 71, 95}},
        {"card_Stack4", "pan_Stack1", {10, 320, 71, 95}},
        {"card_Stack5", "pan_Stack2", {10, 8, 71, 95}},
        {"card_Stack6", "pan_Stack2", {10, 112, 71, 95}},
        {"card_Stack7", "pan_Stack2", {10, 216, 71, 95}},
        {"card_Stack8", "pan_Stack2", {10, 320, 71, 95}},
        {"lbl_Stack1", "pan_Stack1", {11, 8, 71, 95}},
        {"lbl_Stack2", "pan_Stack1", {11, 112, 71, 95}},
        {"lbl_Stack3", "pan_Stack1", {10, 216, 71, 95}},
        {"lbl_Stack4", "pan_Stack1", {10, 320, 71, 95}},
        {"lbl_Stack5", "pan_Stack2", {10, 8, 71, 95}},
        {"lbl_Stack6", "pan_Stack2", {10, 112, 71, 95}},
        {"lbl_Stack7", "pan_Stack2", {10, 216, 71, 95}},
        {"lbl_Stack8", "pan_Stack2", {10, 320, 71, 95}},
        {"Label3d1", "pan_Stack1", {10, 416, 71, 17}},
        {"Label3d2", "pan_Stack2", {10, 416, 71, 17}},
        {"card_Table1", "pan_Table", {15, 14, 71, 95}},
        {"card_Table2", "pan_Table", {102, 14, 71, 95}},
        {"card_Table3", "pan_Table", {189, 14, 71, 95}},
        {"card_Table4", "pan_Table", {276, 14, 71, 95}},
        {"card_Table5", "pan_Table", {363, 14, 71, 95}},
        {"card_Table6", "pan_Table", {15, 118, 71, 95}},
        {"card_Table7", "pan_Table", {102, 118, 71, 95}},
        {"card_Table8", "pan_Table", {189, 118, 71, 95}},
        {"card_Table9", "pan_Table", {276, 118, 71, 95}},
        {"card_Table10", "pan_Table", {363, 118, 71, 95}},
        {"card_Table11", "pan_Table", {15, 222, 71, 95}},
        {"card_Table12", "pan_Table", {101, 222, 71, 95}},
        {"card_Table13", "pan_Table", {189, 222, 71, 95}},
        {"card_Drawpile", "pan_Table", {365, 219, 71, 95}},
        {"pan_Plays", "pan_Table", {272, 221, 71, 48}},
        {"img_Plays1", "pan_Plays", {21, 20, 15, 25}},
        {"img_Plays2", "pan_Plays", {36, 20, 15, 25}},
        {"pan_Shift", "pan_Table", {272, 269, 71, 47}},
        {"btn_Shiftleft", "pan_Shift", {6, 17, 27, 27}},
        {"btn_Shiftright", "pan_Shift", {38, 17, 27, 27}},
        {"pan_Drawpile", "pan_Table", {385, 284, 30, 25}},
        {"img_Drawpile1", "pan_Drawpile", {0, 0, 15, 25}},
        {"img_Drawpile2", "pan_Drawpile", {15, 0, 15, 25}},
    };
    for (const Placement& p : Numbered("card_playpile", "pan_PlayPile", 16, 9, 24, 7))
        rows.push_back(p);
    for (const Placement& p : Numbered("cardPeek", "panPeek", 16, 9, 24, 15))
        rows.push_back(p);
    return rows;
}

class MainLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<Tfrm_Main>(parts.player, parts.store, parts.sound);
        window->show();
    }

    template <typename T>
    T* Find(const std::string& name) const
    {
        return window->findChild<T*>(QString::fromStdString(name));
    }

    WindowParts parts{"PlumbLine"};
    GameSettings& settings = parts.player.Settings;
    std::unique_ptr<Tfrm_Main> window;
};

TEST_F(MainLayoutTest, EveryControlSitsWhereTheLayoutPutsIt)
{
    for (const Placement& p : Layout()) {
        SCOPED_TRACE(p.name);
        const QWidget* control = Find<QWidget>(p.name);
        ASSERT_NE(control, nullptr);
        ASSERT_NE(control->parentWidget(), nullptr);
        EXPECT_EQ(control->parentWidget()->objectName().toStdString(), p.parent);
        EXPECT_EQ(control->geometry(), p.bounds);
    }
}

// The window opens just large enough for the classic table, and can be
// resized and maximised.
TEST_F(MainLayoutTest, WindowOpensAroundTheClassicTableBelowTheMenuBar)
{
    const QWidget& client = window->Table();
    EXPECT_EQ(client.size(), QSize(634, 435));
    EXPECT_EQ(client.mapTo(window.get(), QPoint(0, 0)), QPoint(0, window->menuBar()->height()));
    EXPECT_EQ(window->size(), QSize(634, 435 + window->menuBar()->height()));
    EXPECT_NE(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Brackwater"));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(MainLayoutTest, CardTagsNumberEachGroupFromOne)
{
    for (const auto& [prefix, count] : {std::pair{"card_Table", 13}, {"card_Stack", 8}, {"card_playpile", 16}, {"cardPeek", 16}})
        for (int k = 1; k <= count; ++k)
            EXPECT_EQ(Find<TCarddeck>(prefix + std::to_string(k))->Tag(), k) << prefix << k;
    for (int stack = 1; stack <= 8; ++stack)
        EXPECT_EQ(Find<TLabel3d>("lbl_Stack" + std::to_string(stack))->Tag(), stack);
}

TEST_F(MainLayoutTest, OnlyTheDrawPileAndItsCounterShowBeforeTheFirstDeal)
{
    for (const auto& [prefix, count] : {std::pair{"card_Table", 13}, {"card_Stack", 8}, {"card_playpile", 16}, {"cardPeek", 16}})
        for (int k = 1; k <= count; ++k)
            EXPECT_FALSE(Find<QWidget>(prefix + std::to_string(k))->isVisibleTo(window.get())) << prefix << k;
    EXPECT_FALSE(Find<QWidget>("panPeek")->isVisibleTo(window.get()));
    EXPECT_FALSE(Find<QWidget>("panPeek")->isEnabled());
    EXPECT_FALSE(Find<QWidget>("pan_Shift")->isVisibleTo(window.get()));
    EXPECT_TRUE(Find<QWidget>("card_Drawpile")->isVisible());
    EXPECT_TRUE(Find<QWidget>("pan_Drawpile")->isVisible());
    EXPECT_EQ(Find<TCarddeck>("card_Drawpile")->CardNum(), 0);
    EXPECT_TRUE(Find<QWidget>("pan_Plays")->isVisible()) << "shown by the default ShowPlays setting";
}

TEST_F(MainLayoutTest, PlaysCounterFollowsTheSetting)
{
    settings.ShowPlays = false;
    window->ApplySettings();
    EXPECT_FALSE(Find<QWidget>("pan_Plays")->isVisible());
}

TEST_F(MainLayoutTest, StackLabelsLieBeneathTheirCardsAndPeekPanelAboveAll)
{
    for (int stack = 1; stack <= 8; ++stack) {
        const QWidget* label = Find<QWidget>("lbl_Stack" + std::to_string(stack));
        const QWidget* card = Find<QWidget>("card_Stack" + std::to_string(stack));
        const QObjectList& siblings = card->parentWidget()->children();
        EXPECT_LT(siblings.indexOf(label), siblings.indexOf(card)) << stack;
    }
    const QList<QWidget*> onClient = window->Table().findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(onClient.last(), Find<QWidget>("panPeek"));
    const QObjectList& onTable = Find<QWidget>("pan_Table")->children();
    EXPECT_LT(onTable.indexOf(Find<QWidget>("card_Drawpile")), onTable.indexOf(Find<QWidget>("pan_Drawpile")));
}

TEST_F(MainLayoutTest, LabelsCarryTheirFontsAndCaptions)
{
    const auto* kings = Find<TLabel3d>("Label3d1");
    const auto* aces = Find<TLabel3d>("Label3d2");
    EXPECT_EQ(kings->Caption(), QStringLiteral("Kings"));
    EXPECT_EQ(aces->Caption(), QStringLiteral("Aces"));
    for (const TLabel3d* caption : {kings, aces}) {
        EXPECT_EQ(caption->font().pixelSize(), 11);
        EXPECT_EQ(caption->BevelOuter(), TLabelBevel::bvLowered);
        EXPECT_EQ(caption->Alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        EXPECT_EQ(caption->Color(), QColor(0xC0, 0xC0, 0xC0));
    }
    for (int stack = 1; stack <= 8; ++stack) {
        const auto* letter = Find<TLabel3d>("lbl_Stack" + std::to_string(stack));
        EXPECT_TRUE(letter->Caption().isEmpty());
        EXPECT_EQ(letter->font().pixelSize(), 32);
        EXPECT_TRUE(letter->font().bold());
        EXPECT_EQ(letter->font().family(), QStringLiteral("Arial"));
    }
    const auto* plays = Find<QLabel>("lbl_Plays");
    const auto* shift = Find<QLabel>("lbl_Shift");
    EXPECT_EQ(plays->text(), QStringLiteral("Plays"));
    EXPECT_EQ(shift->text(), QStringLiteral("Shift"));
    EXPECT_EQ(plays->pos(), QPoint(21, 2));
    EXPECT_EQ(shift->pos(), QPoint(23, 2));
    EXPECT_EQ(plays->font().pixelSize(), 12);
}

TEST_F(MainLayoutTest, ShiftButtonsShowArrowsWithoutText)
{
    for (const char* name : {"btn_Shiftleft", "btn_Shiftright"}) {
        const auto* button = Find<QPushButton>(name);
        EXPECT_FALSE(button->icon().isNull()) << name;
        EXPECT_TRUE(button->text().isEmpty()) << name;
    }
}

TEST_F(MainLayoutTest, TimersWaitWithTheirIntervals)
{
    const auto* won = Find<QTimer>("wonTimer");
    const auto* delay = Find<QTimer>("delayTimer");
    EXPECT_EQ(won->interval(), 100);
    EXPECT_EQ(delay->interval(), 500);
    EXPECT_FALSE(won->isActive());
    EXPECT_FALSE(delay->isActive());
}

TEST_F(MainLayoutTest, MenuBarHoldsTheCommandsWithTheirKeys)
{
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 8);
    const QStringList captions = {"&File", "&Options", "H&istory", "&Undo", "&Redo", "&Advice", "&View", "&Help"};
    for (int i = 0; i < bar.size(); ++i) {
        EXPECT_EQ(bar[i]->text(), captions[i]);
        EXPECT_EQ(bar[i]->isEnabled(), captions[i] == "&View") << "only the view answers before the first deal: " << captions[i].toStdString();
    }
    EXPECT_EQ(bar[1]->menu(), nullptr);
    EXPECT_EQ(bar[2]->menu(), nullptr);
    EXPECT_EQ(bar[3]->menu(), nullptr);
    EXPECT_FALSE(bar[4]->isVisible()) << "Redo belongs to the every-move undo only";
    EXPECT_EQ(bar[4]->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))}));

    struct Item { const char* name; const char* caption; QKeySequence key; };
    const Item file[] = {{"mnu_Newgame", "&New Game", QKeySequence(Qt::Key_F2)},
                         {"mnuReplay", "&Replay Same Deck", QKeySequence(Qt::Key_F6)},
                         {"mnu_PlayOut", "Play &Out", {}},
                         {"N3", "", {}},
                         {"mnu_Newplayer", "New &Player", QKeySequence(Qt::Key_F3)},
                         {"N1", "", {}},
                         {"mnu_Exit", "E&xit", QKeySequence(Qt::Key_F7)}};
    const QList<QAction*> fileItems = bar[0]->menu()->actions();
    ASSERT_EQ(fileItems.size(), 7);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(fileItems[i]->isSeparator(), QLatin1String(file[i].caption).isEmpty());
        EXPECT_EQ(fileItems[i]->objectName(), QLatin1String(file[i].name));
        EXPECT_EQ(fileItems[i]->text(), QLatin1String(file[i].caption));
        EXPECT_EQ(fileItems[i]->shortcut(), file[i].key);
    }
    const QList<QAction*> adviceItems = bar[5]->menu()->actions();
    ASSERT_EQ(adviceItems.size(), 2);
    EXPECT_EQ(adviceItems[0]->shortcut(), QKeySequence(Qt::Key_H));
    EXPECT_TRUE(adviceItems[1]->isCheckable());
    const QList<QAction*> helpItems = bar[7]->menu()->actions();
    ASSERT_EQ(helpItems.size(), 3);
    EXPECT_EQ(helpItems[0]->text(), QStringLiteral("&Instructions"));
    EXPECT_TRUE(helpItems[1]->isSeparator());
    EXPECT_EQ(helpItems[2]->text(), QStringLiteral("&About"));
}

TEST_F(MainLayoutTest, SettingsColourThePanelsAndCards)
{
    settings.TableColor = 0x0000FF;
    settings.StackColor = 0x00FF00;
    settings.PlayColor = 0xFF0000;
    settings.CardColor = 0x00FFFF;
    settings.CardBack = 3;
    window->ApplySettings();
    EXPECT_EQ(Find<TPanel>("pan_Table")->Color(), QColor(255, 0, 0));
    EXPECT_EQ(Find<TPanel>("pan_Stack1")->Color(), QColor(0, 255, 0));
    EXPECT_EQ(Find<TPanel>("pan_Stack2")->Color(), QColor(0, 255, 0));
    EXPECT_EQ(Find<TPanel>("pan_PlayPile")->Color(), QColor(0, 0, 255));
    EXPECT_EQ(Find<TCarddeck>("card_Stack7")->CardColor(), QColor(255, 255, 0));
    EXPECT_EQ(Find<TCarddeck>("card_Table7")->CardColor(), QColor(255, 255, 255));
    EXPECT_EQ(Find<TCarddeck>("card_Drawpile")->CardBack(), 3);
    EXPECT_EQ(Find<TCarddeck>("card_playpile16")->CardBack(), 3);
    EXPECT_EQ(Find<TCarddeck>("card_Stack1")->CardBack(), 3);
    EXPECT_NE(Find<TCarddeck>("cardPeek1")->CardBack(), 3) << "peek cards keep their own back";
}

}  // namespace
