#include <map>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include <QAction>
#include <QFrame>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "controls/carddeck.h"
#include "controls/image.h"
#include "controls/label3d.h"
#include "advisor/dealadvisor.h"
#include "table/cardtable.h"
#include "tests/window/mainwindowprobe.h"
#include "window/frmplay.h"
#include "controls/panel.h"

namespace {

// The test deck: dealt unshuffled, it leaves spot 1 topped by code 49 and a
// draw pile of nine whose top is the Ace of clubs (40).
const std::string TestDeckPlayer = "PlumbLine";

class MainPlayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindowProbe>(parts);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T>
    T* Find(const std::string& name) const
    {
        T* found = window->findChild<T*>(QString::fromStdString(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    TCarddeck* Card(const std::string& name) const { return Find<TCarddeck>(name); }
    QAction* Action(const char* name) const { return Find<QAction>(name); }

    bool BarItemEnabled(int index) const { return window->menuBar()->actions().at(index)->isEnabled(); }

    void PressKey(Qt::Key key) { QTest::keyClick(window.get(), key); }

    WindowParts parts{TestDeckPlayer};
    GameSettings& settings = parts.player.Settings;
    std::unique_ptr<MainWindowProbe> window;
};

TEST_F(MainPlayTest, DealShowsTheTableFaceUpAndOpensTheMenus)
{
    window->GameEngine().NewGame();
    for (int spot = 1; spot <= 13; ++spot) {
        const TCarddeck* card = Card("card_Table" + std::to_string(spot));
        EXPECT_TRUE(card->isVisible()) << spot;
        EXPECT_NE(card->CardNum(), 0) << spot;
        EXPECT_TRUE(card->isEnabled()) << spot;
    }
    EXPECT_EQ(Card("card_Table1")->CardNum(), 49);
    EXPECT_EQ(window->Table().DrawPileCountShown(), 9);
    for (int item : {0, 1, 2, 5, 6, 7})
        EXPECT_TRUE(BarItemEnabled(item)) << item;
    EXPECT_FALSE(BarItemEnabled(3)) << "nothing to undo yet";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is gone";
}

// Counts the paint events of every control in a window, by control name.
class PaintsByName : public QObject {
public:
    explicit PaintsByName(QWidget& window)
    {
        for (QWidget* control : window.findChildren<QWidget*>())
            control->installEventFilter(this);
    }

    std::map<std::string, int> paints;

    int Total(const std::string& prefix) const
    {
        int total = 0;
        for (const auto& [name, count] : paints)
            total += name.rfind(prefix, 0) == 0 ? count : 0;
        return total;
    }

protected:
    bool eventFilter(QObject* control, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints[control->objectName().toStdString()];
        return false;
    }
};

TEST_F(MainPlayTest, ADealAndAMovePaintOnlyWhatChanged)
{
    QApplication::processEvents();
    PaintsByName counter(*window);
    window->GameEngine().NewGame();
    QApplication::processEvents();
    // At most the thirteen spots cleared, then each card once as it lands
    // (the test deck puts nine of the 104 on the draw pile); a deal quicker
    // than a screen refresh brings the screen up to date only a few times.
    EXPECT_GE(counter.Total("card_Table"), 13);
    EXPECT_LE(counter.Total("card_Table"), 13 + 104 - 9);
    EXPECT_EQ(counter.Total("pan_"), 0) << "the counters cover their panels";

    counter.paints.clear();
    QTest::mouseClick(Card("card_Table5"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(counter.Total("card_"), 2) << "the card played and the card beneath it";
    EXPECT_EQ(counter.paints["card_Stack4"], 1);
    EXPECT_EQ(counter.Total("img_"), 1) << "only the plays counter's ones digit";
    EXPECT_EQ(counter.paints["img_Plays2"], 1);
    EXPECT_EQ(counter.Total("pan_") + counter.Total("lbl_"), 0);
}

TEST_F(MainPlayTest, DuringTheDealNothingAnswersAndTheKeysDoNothing)
{
    QSignalSpy newGame(Action("mnu_Newgame"), &QAction::triggered);
    QSignalSpy replay(Action("mnuReplay"), &QAction::triggered);
    QSignalSpy newPlayer(Action("mnu_Newplayer"), &QAction::triggered);
    QSignalSpy exit(Action("mnu_Exit"), &QAction::triggered);
    QSignalSpy hint(Action("mnu_Hint"), &QAction::triggered);
    bool menusWereOff = false;
    bool cardsWereOff = false;
    window->DuringDeal = [&] {
        menusWereOff = !BarItemEnabled(0) && !BarItemEnabled(1) && !BarItemEnabled(2) && !BarItemEnabled(7);
        cardsWereOff = !Card("card_Table1")->isEnabled() && !Card("card_Drawpile")->isEnabled()
                       && !Card("card_Stack1")->isEnabled() && !Find<TLabel3d>("lbl_Stack8")->isEnabled();
        for (Qt::Key key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F6, Qt::Key_F7, Qt::Key_H})
            PressKey(key);
    };
    window->GameEngine().NewGame();
    EXPECT_TRUE(menusWereOff);
    EXPECT_TRUE(cardsWereOff);
    EXPECT_EQ(newGame.count() + replay.count() + newPlayer.count() + exit.count() + hint.count(), 0);
    EXPECT_EQ(window->DealsBegun, 1);
    EXPECT_FALSE(window->IsEnding());
    EXPECT_TRUE(window->isVisible());
}

// H asks for a hint with the menu closed; the hint outlines on the table and
// leaves the game as it was.
TEST_F(MainPlayTest, TheHKeyShowsAHintThatChangesNothing)
{
    window->GameEngine().NewGame();
    const GameState before = window->GameEngine().State();
    PressKey(Qt::Key_H);
    const QString said = window->Advisor().LastHint();
    EXPECT_FALSE(said.isEmpty());
    const QList<QFrame*> outlines = window->Table().findChildren<QFrame*>(QStringLiteral("hintOutline"));
    EXPECT_EQ(outlines.isEmpty(), said.startsWith(QStringLiteral("This deal can no longer be won")));
    EXPECT_EQ(window->GameEngine().State().DrawCount, before.DrawCount);
    EXPECT_EQ(window->GameEngine().State().CardsLeft, before.CardsLeft);
    EXPECT_FALSE(BarItemEnabled(3)) << "nothing to undo after a hint";

    QTest::mouseClick(Card("card_Drawpile"), Qt::LeftButton);
    EXPECT_TRUE(window->Table().findChildren<QFrame*>(QStringLiteral("hintOutline")).isEmpty()) << "gone with the move";
}

TEST_F(MainPlayTest, BeforeTheFirstDealTheKeysDoNothing)
{
    for (Qt::Key key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F6, Qt::Key_F7})
        PressKey(key);
    EXPECT_EQ(window->DealsBegun, 0);
    EXPECT_FALSE(window->IsEnding());
}

TEST_F(MainPlayTest, AfterTheDealF2DealsF6ReplaysAndF3AsksForAPlayer)
{
    settings.MinDrawPile = 0;
    window->GameEngine().NewGame();
    PressKey(Qt::Key_F2);
    EXPECT_EQ(window->DealsBegun, 2);
    PressKey(Qt::Key_F6);
    EXPECT_EQ(window->DealsBegun, 3);
    EXPECT_EQ(Card("card_Table1")->CardNum(), 49);
    EXPECT_FALSE(window->GameEngine().State().ReplayDeck);

    // The player dialog opens with the current name; OK keeps it and deals.
    QSignalSpy newPlayer(Action("mnu_Newplayer"), &QAction::triggered);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<Tfrm_Player*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "F3 did not ask for a player";
        dialog->findChild<QPushButton*>(QStringLiteral("btn_OK"))->click();
    });
    PressKey(Qt::Key_F3);
    EXPECT_EQ(newPlayer.count(), 1);
    EXPECT_EQ(window->DealsBegun, 4);
}

TEST_F(MainPlayTest, F7EndsTheProgramAfterTheDeal)
{
    window->GameEngine().NewGame();
    PressKey(Qt::Key_F7);
    EXPECT_TRUE(window->IsEnding());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainPlayTest, ClosingDuringTheDealStopsItAndThenEnds)
{
    bool stillOpenAfterClose = false;
    window->DuringDeal = [&] {
        window->close();
        stillOpenAfterClose = window->isVisible() && !window->IsEnding();
    };
    window->GameEngine().NewGame();
    EXPECT_TRUE(stillOpenAfterClose) << "the close only stops the deal";
    EXPECT_TRUE(window->IsEnding());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->GameEngine().IsDealing());
}

TEST_F(MainPlayTest, ClosingBetweenMovesEndsAtOnce)
{
    window->GameEngine().NewGame();
    window->close();
    EXPECT_TRUE(window->IsEnding());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainPlayTest, DigitsOnTheDrawPileDrawAndThePlayPileTakesClicks)
{
    window->GameEngine().NewGame();
    QTest::mouseClick(Find<TImage>("img_Drawpile2"), Qt::LeftButton);
    const GameState& state = window->GameEngine().State();
    EXPECT_EQ(state.DrawCount, 8);
    EXPECT_EQ(window->Table().DrawPileCountShown(), 8);
    ASSERT_EQ(state.ActiveSpot, 1);
    EXPECT_FALSE(Card("card_Table1")->isVisible());
    const std::string top = "card_playpile" + std::to_string(state.PlayCount);
    ASSERT_EQ(Card(top)->CardNum(), 40);
    EXPECT_TRUE(Find<QWidget>("pan_Shift")->isVisible());
    EXPECT_TRUE(Action("mnu_Undo")->isEnabled());

    QTest::mouseClick(Card(top), Qt::LeftButton);
    EXPECT_TRUE(Card("card_Stack5")->isVisible()) << "the Ace of clubs goes to the Aces clubs stack";
    EXPECT_EQ(Card("card_Stack5")->CardNum(), 40);

    Action("mnu_Undo")->trigger();
    EXPECT_FALSE(Card("card_Stack5")->isVisible());
    EXPECT_EQ(Card(top)->CardNum(), 40);
}

TEST_F(MainPlayTest, DrawPileCardDrawsWithTheLeftButtonOnly)
{
    window->GameEngine().NewGame();
    QTest::mouseClick(Card("card_Drawpile"), Qt::RightButton);
    EXPECT_EQ(window->GameEngine().State().DrawCount, 9);
    QTest::mouseClick(Card("card_Drawpile"), Qt::LeftButton);
    EXPECT_EQ(window->GameEngine().State().DrawCount, 8);
}

TEST_F(MainPlayTest, ShiftButtonsTurnThePlayPile)
{
    window->GameEngine().NewGame();
    QTest::mouseClick(Card("card_Drawpile"), Qt::LeftButton);
    const int count = window->GameEngine().State().PlayCount;
    const CardCode bottom = Card("card_playpile1")->CardNum();
    QTest::mouseClick(Find<QPushButton>("btn_Shiftleft"), Qt::LeftButton);
    EXPECT_EQ(Card("card_playpile1")->CardNum(), 40);
    EXPECT_EQ(Card("card_playpile2")->CardNum(), bottom);
    EXPECT_FALSE(Find<QWidget>("pan_Shift")->isVisible()) << "Hard allows one shift per fanning";

    Action("mnu_Undo")->trigger();
    ASSERT_TRUE(Find<QWidget>("pan_Shift")->isVisible());
    QTest::mouseClick(Find<QPushButton>("btn_Shiftright"), Qt::LeftButton);
    EXPECT_EQ(Card("card_playpile" + std::to_string(count))->CardNum(), bottom);
}

TEST_F(MainPlayTest, RightButtonPeeksUnderATableSpotUntilReleased)
{
    settings.PeekAtAll = true;
    window->GameEngine().NewGame();
    TCarddeck* spot2 = Card("card_Table2");
    auto* peek = Find<QWidget>("panPeek");
    QTest::mousePress(spot2, Qt::RightButton);
    ASSERT_TRUE(peek->isVisible());
    // Eight cards: the last at 177, 71 wide, plus 9; centred over the table,
    // 7 pixels above the second row.
    EXPECT_EQ(peek->geometry(), QRect(92 + (449 - 257) / 2, 118 - 7, 257, 128));
    EXPECT_EQ(Card("cardPeek1")->CardNum(), 4);
    EXPECT_TRUE(Card("cardPeek8")->isVisible());
    QTest::mouseRelease(spot2, Qt::RightButton);
    EXPECT_FALSE(peek->isVisible());
}

TEST_F(MainPlayTest, PointerOverBarePanelEndsAPeek)
{
    settings.PeekAtAll = true;
    window->GameEngine().NewGame();
    QTest::mousePress(Card("card_Table3"), Qt::RightButton);
    auto* peek = Find<QWidget>("panPeek");
    ASSERT_TRUE(peek->isVisible());
    QTest::mouseMove(Find<QWidget>("pan_Stack1"), QPoint(50, 5));
    EXPECT_FALSE(peek->isVisible());
    QTest::mouseRelease(Card("card_Table3"), Qt::RightButton);
}

TEST_F(MainPlayTest, PointerOverACardDoesNotEndAPeek)
{
    settings.PeekAtAll = false;
    window->GameEngine().NewGame();
    TCarddeck* spot1 = Card("card_Table1");
    QTest::mousePress(spot1, Qt::RightButton);
    EXPECT_EQ(spot1->CardNum(), 35) << "the card under the top";
    QTest::mouseMove(Card("card_Table7"), QPoint(30, 30));
    EXPECT_EQ(spot1->CardNum(), 35);
    QTest::mouseMove(Find<QWidget>("pan_Table"), QPoint(5, 5));
    EXPECT_EQ(spot1->CardNum(), 49);
    QTest::mouseRelease(spot1, Qt::RightButton);
}

TEST_F(MainPlayTest, StackLabelsAndCardsTakeNothingWithoutARaisedCard)
{
    window->GameEngine().NewGame();
    QTest::mouseClick(Find<QWidget>("lbl_Stack1"), Qt::LeftButton);
    EXPECT_FALSE(Card("card_Stack1")->isVisible());
    EXPECT_EQ(window->GameEngine().State().CardsLeft, 104);
}

TEST_F(MainPlayTest, ClickingATableCardPlaysItAndAStackLabelTakesARaisedCard)
{
    window->GameEngine().NewGame();
    QTest::mouseClick(Card("card_Table5"), Qt::LeftButton);
    EXPECT_TRUE(Card("card_Stack4")->isVisible()) << "the King of diamonds goes to the Kings diamonds stack";
    EXPECT_EQ(Card("card_Stack4")->CardNum(), 39);
    EXPECT_EQ(Card("card_Table5")->CardNum(), 25) << "the Queen of hearts is the spot's top now";

    // Let the Aces clubs stack want the King of clubs too: the click raises it.
    window->GameEngine().Arrange([](GameState& s) { s.StackNext[5] = 52; });
    const int top = Card("card_Table4")->y();
    QTest::mouseClick(Card("card_Table4"), Qt::LeftButton);
    EXPECT_EQ(Card("card_Table4")->y(), top - 7);
    QTest::mouseClick(Find<QWidget>("lbl_Stack5"), Qt::LeftButton);
    EXPECT_EQ(Card("card_Table4")->y(), top);
    EXPECT_TRUE(Card("card_Stack5")->isVisible());
    EXPECT_EQ(Card("card_Stack5")->CardNum(), 0) << "the King completes the Aces stack, which shows its back";
    EXPECT_FALSE(Card("card_Stack1")->isVisible());
}

TEST_F(MainPlayTest, PauseReturnsOnceTheDelayTimerHasFired)
{
    window->Pause();
    EXPECT_FALSE(Find<QTimer>("delayTimer")->isActive());
}

TEST_F(MainPlayTest, BusyCursorIsBalanced)
{
    window->Table().SetBusyCursor(true);
    window->Table().SetBusyCursor(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    window->Table().SetBusyCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    window->Table().SetBusyCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
