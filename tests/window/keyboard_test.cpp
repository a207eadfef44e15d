// Playing the table from the keyboard, and what a screen reader is told.
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

#include "controls/carddeck.h"
#include "table/cardtable.h"
#include "table/focusmark.h"
#include "table/tableaccess.h"
#include "table/tablefocus.h"
#include "table/tablekeys.h"
#include "table/tablenarrator.h"
#include "tests/window/mainwindowprobe.h"
#include "window/allkeysmenustyle.h"
#include "window/helpviewer.h"

void PrintTo(const TablePlace& place, std::ostream* out)
{
    *out << "place kind " << static_cast<int>(place.kind) << " index " << place.index;
}

namespace {

using Kind = TablePlace::Kind;

// Arrows pressed to reach one place; a table of this size needs far fewer.
constexpr int MostArrowPresses = 40;

bool IsWanted(const GameState& s, CardCode card)
{
    for (int stack = 1; stack <= StackCount; ++stack)
        if (card != NoCard && s.StackNext[stack] == card)
            return true;
    return false;
}

// The first wanted card, table spots before the play pile: the order in
// which the test deck is known to play out.
std::optional<TablePlace> WantedPlace(const GameState& s)
{
    for (int spot = 1; spot <= SpotCount; ++spot)
        if (spot != s.ActiveSpot && s.TableCount[spot] != 0 && IsWanted(s, s.TablePile[spot][s.TableCount[spot]]))
            return TablePlace{Kind::Spot, spot};
    for (int place = 1; place <= s.PlayCount; ++place)
        if (IsWanted(s, s.PlayPile[place]))
            return TablePlace{Kind::PlayPile, place};
    return std::nullopt;
}

QString NameOf(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindowProbe>(parts);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    TTableFocus& Focus() { return window->Table().Access().Focus(); }
    TTableNarrator& Narrator() { return window->Table().Access().Narrator(); }
    const GameState& State() { return window->GameEngine().State(); }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window.get(), static_cast<Qt::Key>(key), modifiers);
        QCoreApplication::processEvents();
    }

    // Walks the mark to `place` with arrow keys alone, as a player would.
    void ArrowTo(const TablePlace& place)
    {
        for (int presses = 0; presses < MostArrowPresses && Focus().Current() != place; ++presses) {
            const QPoint from = Focus().MarkRect().center();
            const QPoint to = Focus().PlaceRect(place).center();
            const QPoint d = to - from;
            if (std::abs(d.y()) > Focus().MarkRect().height() / 2 && std::abs(d.y()) >= std::abs(d.x()))
                Press(d.y() < 0 ? Qt::Key_Up : Qt::Key_Down);
            else
                Press(d.x() < 0 ? Qt::Key_Left : Qt::Key_Right);
        }
        ASSERT_EQ(Focus().Current(), place) << "arrows did not reach place " << place.index;
    }

    WindowParts parts{"PlumbLine"};
    GameSettings& settings = parts.player.Settings;
    std::unique_ptr<MainWindowProbe> window;
};

TEST_F(KeyboardTest, TheTestDeckIsWonWithKeysAlone)
{
    window->GameEngine().NewGame();
    int moves = 0;
    int choices = 0;
    while (State().CardsLeft > 0 && moves++ < 500) {
        const std::optional<TablePlace> wanted = WantedPlace(State());
        if (!wanted) {
            ASSERT_GT(State().DrawCount, 0) << "stuck with " << int(State().CardsLeft) << " cards left";
            Press(Qt::Key_D);
            continue;
        }
        ArrowTo(*wanted);
        if (HasFatalFailure())
            return;
        Press(Qt::Key_Return);
        if (State().Raised) {
            // The mark goes to the stack choice at once, and the choice is told.
            EXPECT_EQ(Focus().Current().kind, Kind::Stack);
            EXPECT_TRUE(Narrator().LastAnnouncement().startsWith(QStringLiteral("Two stacks want the ")));
            Press(Qt::Key_Space);
            ++choices;
        }
    }
    EXPECT_GT(choices, 0) << "the test deck asks for a choice of stacks";
    EXPECT_EQ(State().CardsLeft, 0);
    EXPECT_TRUE(Narrator().LastAnnouncement().contains(QStringLiteral("You won!")));
    EXPECT_EQ(parts.player.History.Row(GameHistory::RowOf(State().DrawStart)).Won, 1) << "recorded as won";
}

TEST_F(KeyboardTest, ArrowsAndTabFollowTheScreen)
{
    window->GameEngine().NewGame();
    Focus().SetCurrent({Kind::Spot, 1});
    Press(Qt::Key_Right);
    EXPECT_EQ(Focus().Current(), (TablePlace{Kind::Spot, 2}));
    Press(Qt::Key_Down);
    EXPECT_EQ(Focus().Current(), (TablePlace{Kind::Spot, 7}));
    Press(Qt::Key_Down);
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);
    EXPECT_EQ(Focus().Current(), (TablePlace{Kind::DrawPile, 0})) << "the plays counter is passed over";

    Focus().SetCurrent({Kind::Spot, 6});
    Press(Qt::Key_Left);
    EXPECT_EQ(Focus().Current(), (TablePlace{Kind::Stack, 2})) << "the Kings stack on that row";
    Press(Qt::Key_Down);
    EXPECT_EQ(Focus().Current(), (TablePlace{Kind::Stack, 3})) << "an empty stack can still be chosen";
    Press(Qt::Key_Up);
    Press(Qt::Key_Up);
    Press(Qt::Key_Up);
    EXPECT_EQ(Focus().Current(), (TablePlace{Kind::Stack, 1})) << "nothing lies above; the mark stays";

    Focus().SetCurrent({Kind::Spot, 5});
    Press(Qt::Key_Right);
    EXPECT_EQ(Focus().Current(), (TablePlace{Kind::Stack, 5}));
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focus().Current(), (TablePlace{Kind::Stack, 6}));
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Focus().Current(), (TablePlace{Kind::DrawPile, 0}));
}

TEST_F(KeyboardTest, TheMarkFollowsThePlayAndShowsWhileTheKeyboardPlays)
{
    window->GameEngine().NewGame();
    auto& mark = window->Table().Access().Mark();
    EXPECT_FALSE(mark.isVisible()) << "hidden until a key of the table is used";

    Press(Qt::Key_D);  // draws the Ace of clubs onto spot 1
    ASSERT_GT(State().PlayCount, 1);
    Focus().SetCurrent({Kind::PlayPile, State().PlayCount});
    Press(Qt::Key_Home);
    EXPECT_EQ(Focus().Current(), (TablePlace{Kind::PlayPile, 1}));
    EXPECT_TRUE(mark.isVisible());
    EXPECT_EQ(mark.geometry(), Focus().MarkRect().adjusted(-TFocusMark::Margin, -TFocusMark::Margin, TFocusMark::Margin, TFocusMark::Margin));
    EXPECT_EQ(Focus().MarkRect().width(), 24) << "a card under the next shows a strip only";

    // Playing the Ace from the pile hands the mark to the card that takes its place.
    const int count = State().PlayCount;
    Press(Qt::Key_End);
    const int ace = State().PlayCount;
    ASSERT_EQ(State().PlayPile[ace], 40);
    Press(Qt::Key_Return);
    EXPECT_EQ(State().PlayCount, count - 1);
    EXPECT_EQ(Focus().Current(), (TablePlace{Kind::PlayPile, State().PlayCount}));
    EXPECT_TRUE(Focus().CurrentWidget()->hasFocus()) << "the mark is the keyboard focus";

    // Shifting with the keys while the mark is elsewhere.
    const CardCode bottom = State().PlayPile[1];
    Press(Qt::Key_Period);
    EXPECT_EQ(State().PlayPile[State().PlayCount], bottom);

    QTest::mouseClick(window->Table().findChild<QWidget*>(QStringLiteral("card_Table2")), Qt::LeftButton);
    EXPECT_FALSE(mark.isVisible()) << "the mouse took over";
    EXPECT_EQ(Focus().Current(), (TablePlace{Kind::Spot, 2})) << "the keys go on from where the mouse pressed";
}

TEST_F(KeyboardTest, PeekIsHeldOrPressedTwice)
{
    settings.PeekAtAll = true;
    window->GameEngine().NewGame();
    Focus().SetCurrent({Kind::Spot, 3});
    auto* peek = window->Table().findChild<QWidget*>(QStringLiteral("panPeek"));
    Press(Qt::Key_P);
    EXPECT_TRUE(peek->isVisible()) << "a tap leaves the peek open";
    Press(Qt::Key_P);
    EXPECT_FALSE(peek->isVisible());

    QTest::keyPress(window.get(), Qt::Key_P);
    EXPECT_TRUE(peek->isVisible());
    QTest::qWait(TTableKeys::PeekHoldMs + 100);
    QTest::keyRelease(window.get(), Qt::Key_P);
    EXPECT_FALSE(peek->isVisible()) << "a held key ends the peek when let go";

    Focus().SetCurrent({Kind::DrawPile, 0});
    Press(Qt::Key_P);
    EXPECT_FALSE(peek->isVisible()) << "only a table spot can be peeked at";
}

TEST_F(KeyboardTest, EveryCardIsNamedByRankSuitAndPlace)
{
    window->GameEngine().NewGame();
    Press(Qt::Key_D);
    const QRegularExpression face(QStringLiteral("^(Ace|Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|Queen|King) of "
                                                 "(Spades|Hearts|Diamonds|Clubs), "));
    int named = 0;
    for (TCarddeck* card : window->Table().findChildren<TCarddeck*>()) {
        if (!card->isVisible() || card->objectName() == QLatin1String("card_Drawpile"))
            continue;
        const QString name = NameOf(card);
        EXPECT_TRUE(face.match(name).hasMatch()) << card->objectName().toStdString() << ": " << name.toStdString();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(card)->role(), QAccessible::Button);
        ++named;
    }
    EXPECT_GE(named, SpotCount);
    EXPECT_EQ(NameOf(window->Table().findChild<QWidget*>(QStringLiteral("card_Table12"))).section(QStringLiteral(", "), 1),
              QStringLiteral("table spot 12"));
    const int count = State().PlayCount;
    EXPECT_TRUE(NameOf(window->Table().findChild<QWidget*>(QStringLiteral("card_playpile2")))
                    .endsWith(QStringLiteral("play pile card 2 of %1").arg(count)));
    EXPECT_EQ(NameOf(window->Table().findChild<QWidget*>(QStringLiteral("card_Drawpile"))), QStringLiteral("Draw pile, 8 cards"));
    EXPECT_EQ(NameOf(window->Table().findChild<QWidget*>(QStringLiteral("lbl_Stack2"))),
              QStringLiteral("Kings stack of Hearts, next King"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->Table().findChild<QWidget*>(QStringLiteral("lbl_Stack2")))->role(),
              QAccessible::Button) << "an empty stack is pressed through its label";
}

TEST_F(KeyboardTest, MovesAreAnnouncedOnTheFocusedPlace)
{
    window->GameEngine().NewGame();
    Focus().SetCurrent({Kind::DrawPile, 0});
    Press(Qt::Key_D);
    Narrator().Flush();
    EXPECT_EQ(Narrator().LastAnnouncement().toStdString(),
              "Drew the Ace of Clubs; table spot 1 is the play pile, " + std::to_string(State().PlayCount) + " cards. Draw pile, 8 cards.");
    QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(Focus().CurrentWidget());
    EXPECT_EQ(focused->text(QAccessible::Description), Narrator().LastAnnouncement());

    Focus().SetCurrent({Kind::PlayPile, State().PlayCount});
    Press(Qt::Key_Return);
    Narrator().Flush();
    EXPECT_EQ(Narrator().LastAnnouncement(), QStringLiteral("Ace of Clubs to the Aces stack of Clubs."));
    EXPECT_EQ(NameOf(window->Table().findChild<QWidget*>(QStringLiteral("card_Stack5"))),
              QStringLiteral("Ace of Clubs, Aces stack of Clubs, next Two"));
}

TEST_F(KeyboardTest, DesktopKeysWorkBesideTheClassicOnesAndShowInTheMenus)
{
    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(window->DealsBegun, 0) << "nothing answers before the first deal";
    window->GameEngine().NewGame();
    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(window->DealsBegun, 2);

    Press(Qt::Key_D);
    EXPECT_TRUE(window->GameEngine().CanUndo());
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(window->GameEngine().CanUndo());

    Press(Qt::Key_F1);
    EXPECT_TRUE(window->HelpViewer().isVisible());
    QTest::keyClick(&window->HelpViewer(), Qt::Key_Escape);
    EXPECT_FALSE(window->HelpViewer().isVisible());

    QMenu* file = window->menuBar()->actions().at(0)->menu();
    EXPECT_EQ(TAllKeysMenuStyle::WithAllKeys(QStringLiteral("&New Game\tF2"), file), QStringLiteral("&New Game\tF2, Ctrl+N"));
    EXPECT_EQ(TAllKeysMenuStyle::WithAllKeys(QStringLiteral("E&xit\tF7"), file), QStringLiteral("E&xit\tF7, Ctrl+Q"));

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(window->IsEnding());
}

}  // namespace
