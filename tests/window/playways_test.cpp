// The ways of playing beside clicks, through the real window: Redo with its
// keys, dragging a card onto a stack, and Play Out.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "controls/carddeck.h"
#include "controls/label3d.h"
#include "table/cardtable.h"
#include "tests/window/mainwindowprobe.h"

namespace {

constexpr CardCode KingOfClubs = 52;
constexpr int TableKingOfClubs = 4, AcesClubs = 5, KingsClubs = 1;

class PlayWaysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindowProbe>(parts);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        Trigger("mnu_Newgame");
    }

    template <typename T>
    T* Find(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    TCarddeck* Card(const QString& name) const { return Find<TCarddeck>(name); }
    void Trigger(const char* name) { Find<QAction>(QLatin1String(name))->trigger(); }
    const GameState& State() const { return window->GameEngine().State(); }

    // Press, move and release as a pointer would, in the window's coordinates.
    static void Send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, at, target->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    TCarddeck* Dragged() const { return window->findChild<TCarddeck*>(QStringLiteral("card_Dragged")); }
    void Drag(TCarddeck* card, QWidget* target)
    {
        Send(card, QEvent::MouseButtonPress, {30, 40}, Qt::LeftButton);
        Send(card, QEvent::MouseMove, {30 + QApplication::startDragDistance() + 2, 40}, Qt::LeftButton);
        ASSERT_NE(Dragged(), nullptr) << "no drag started";
        EXPECT_FALSE(card->isVisible()) << "the card left its place";
        const QPoint over = card->mapFromGlobal(target->mapToGlobal(target->rect().center()));
        Send(card, QEvent::MouseMove, over, Qt::LeftButton);
        Send(card, QEvent::MouseButtonRelease, over, Qt::NoButton);
        EXPECT_EQ(Dragged(), nullptr);
    }
    TLabel3d* StackPlace(int stack) const { return Find<TLabel3d>(QStringLiteral("lbl_Stack%1").arg(stack)); }

    WindowParts parts{"PlumbLine"};
    GameSettings& settings = parts.player.Settings;
    std::unique_ptr<MainWindowProbe> window;
};

TEST_F(PlayWaysTest, RedoAnswersBothKeysOnlyWhenEveryMoveIsUndone)
{
    QAction* redo = Find<QAction>(QStringLiteral("mnu_Redo"));
    QTest::mouseClick(Card(QStringLiteral("card_Table4")), Qt::LeftButton);  // the King of clubs to its stack
    Trigger("mnu_Undo");
    EXPECT_FALSE(redo->isVisible()) << "the classic undo has no redo";
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(State().StackNext[KingsClubs], KingOfClubs) << "Ctrl+Y did something with the classic undo";

    settings.UndoEveryMove = true;
    QTest::mouseClick(Card(QStringLiteral("card_Table4")), Qt::LeftButton);
    QTest::mouseClick(Card(QStringLiteral("card_Drawpile")), Qt::LeftButton);
    Trigger("mnu_Undo");
    Trigger("mnu_Undo");
    EXPECT_TRUE(redo->isVisible());
    EXPECT_TRUE(redo->isEnabled());
    EXPECT_EQ(State().StackNext[KingsClubs], KingOfClubs);
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_NE(State().StackNext[KingsClubs], KingOfClubs);
    EXPECT_TRUE(Card(QStringLiteral("card_Stack1"))->isVisible());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_GT(State().ActiveSpot, 0) << "the draw is made again";
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(PlayWaysTest, ACardOneStackWantsPlaysOnlyWhenDroppedOnThatStack)
{
    TCarddeck* king = Card(QStringLiteral("card_Table4"));
    Drag(king, Card(QStringLiteral("card_Table1")));
    EXPECT_TRUE(king->isVisible()) << "dropped on the table, it is back";
    Drag(king, StackPlace(AcesClubs));
    EXPECT_TRUE(king->isVisible()) << "dropped on a stack that does not want it, it is back";
    EXPECT_EQ(State().StackNext[KingsClubs], KingOfClubs);
    EXPECT_FALSE(State().Raised);
    EXPECT_FALSE(Find<QAction>(QStringLiteral("mnu_Undo"))->isEnabled()) << "a drop that played nothing was recorded";

    Drag(king, StackPlace(KingsClubs));
    EXPECT_EQ(State().StackNext[KingsClubs], KingOfClubs - 1);
    EXPECT_TRUE(Find<QAction>(QStringLiteral("mnu_Undo"))->isEnabled());

    // The card just drawn, when a stack wants it, is dragged from the fan.
    QTest::mouseClick(Card(QStringLiteral("card_Drawpile")), Qt::LeftButton);
    const int top = State().PlayCount;
    const CardCode drawn = State().PlayPile[top];
    window->GameEngine().Arrange([drawn](GameState& s) { s.StackNext[AcesClubs] = drawn; });
    Drag(Card(QStringLiteral("card_playpile%1").arg(top)), StackPlace(AcesClubs));
    EXPECT_EQ(State().PlayCount, top - 1);
    EXPECT_NE(State().StackNext[AcesClubs], drawn);
}

TEST_F(PlayWaysTest, ADropOnEitherOfTwoStacksSettlesTheChoice)
{
    window->GameEngine().Arrange([](GameState& s) { s.StackNext[AcesClubs] = KingOfClubs; });
    TCarddeck* king = Card(QStringLiteral("card_Table4"));
    Drag(king, Card(QStringLiteral("card_Table1")));
    EXPECT_TRUE(king->isVisible()) << "dropped on the table, it is back";
    EXPECT_FALSE(State().Raised) << "a drop on the table chose nothing";
    QTest::mouseClick(king, Qt::LeftButton);
    ASSERT_TRUE(State().Raised);
    Drag(king, Card(QStringLiteral("card_Table1")));
    EXPECT_TRUE(State().Raised) << "the choice stays open";

    // The Aces stack is empty and hidden: its place, the label, takes the drop.
    Drag(king, StackPlace(AcesClubs));
    EXPECT_EQ(State().StackNext[AcesClubs], NoCard) << "the King completed the Aces clubs";
    EXPECT_EQ(State().StackNext[KingsClubs], KingOfClubs) << "the Kings clubs still wait for theirs";
}

TEST_F(PlayWaysTest, AClickStillPlaysAndARightPressStillPeeksAtOnce)
{
    TCarddeck* king = Card(QStringLiteral("card_Table4"));
    QTest::mousePress(king, Qt::RightButton);
    EXPECT_EQ(State().PeekSpot, TableKingOfClubs);
    QTest::mouseRelease(king, Qt::RightButton);

    // A press that moves less than a drag needs is a click.
    Send(king, QEvent::MouseButtonPress, {30, 40}, Qt::LeftButton);
    Send(king, QEvent::MouseMove, {31, 41}, Qt::LeftButton);
    Send(king, QEvent::MouseButtonRelease, {31, 41}, Qt::NoButton);
    EXPECT_EQ(Dragged(), nullptr);
    EXPECT_EQ(State().StackNext[KingsClubs], KingOfClubs - 1);
}

TEST_F(PlayWaysTest, PlayOutFinishesAGameThatNeedsNoDecisionAtADoubleClick)
{
    QAction* playOut = Find<QAction>(QStringLiteral("mnu_PlayOut"));
    EXPECT_FALSE(playOut->isEnabled()) << "a fresh deal needs decisions";
    // Every stack done but the Aces clubs, which lacks its Queen and King,
    // lying in order on spot 1.
    window->GameEngine().Arrange([](GameState& s) {
        s.StackNext.fill(NoCard);
        s.StackNext[AcesClubs] = KingOfClubs - 1;
        s.TableCount.fill(0);
        s.TablePile[1][1] = KingOfClubs;
        s.TablePile[1][2] = KingOfClubs - 1;
        s.TableCount[1] = 2;
        s.DrawCount = 0;
        s.CardsLeft = 2;
    });
    QTest::mouseClick(Card(QStringLiteral("card_Drawpile")), Qt::LeftButton);  // any step updates the commands
    EXPECT_TRUE(playOut->isEnabled());
    QTest::mouseDClick(&window->Table().BareTable(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(State().CardsLeft, 0);
    EXPECT_EQ(parts.player.History.Row(1).Won, 1);
    EXPECT_FALSE(playOut->isEnabled());
}

}  // namespace
