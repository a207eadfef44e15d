// Runs on a real X server (Xvfb) with real pointer clicks from xdotool: a
// click that arrives while a move is running waits for the move, and is acted
// on as soon as the move ends, without any further pointer movement, even
// when the end of the move gives the event loop nothing else to do.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "controls/carddeck.h"
#include "tests/window/windowparts.h"
#include "window/frmmain.h"

namespace {

constexpr int SoundMilliseconds = 600;
constexpr int ClickAfterMilliseconds = 200;

// The sound of a card played lasts a while, as a real one would; the window
// keeps painting and user input waits meanwhile. It is the move's last step
// that shows anything: with the plays counter hidden, nothing after it paints.
class SlowSoundWindow : public Tfrm_Main {
public:
    using Tfrm_Main::Tfrm_Main;

    void PlaySoundEvent(SoundEvent event) override
    {
        Tfrm_Main::PlaySoundEvent(event);
        if (event != SoundEvent::PlayCard || moveEnded.isValid())
            return;
        // Waits as the window's pause does: a nested event loop would wake the
        // dispatcher as it quits and so hide a missing wake-up.
        bool playing = true;
        QTimer::singleShot(SoundMilliseconds, this, [&playing] { playing = false; });
        while (playing)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
        moveEnded.start();
    }

    QElapsedTimer moveEnded;
};

class HeldInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parts.player.Settings.ShowPlays = false;
        window = std::make_unique<SlowSoundWindow>(parts.player, parts.store, parts.sound);
        window->move(0, 0);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->GameEngine().NewGame();
        QTest::qWait(100);
    }

    QPoint CentreOf(const char* name) const
    {
        auto* card = window->findChild<TCarddeck*>(QLatin1String(name));
        return card->mapToGlobal(card->rect().center());
    }

    static void Xdotool(const QStringList& arguments) { ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0); }

    WindowParts parts{"PlumbLine"};
    std::unique_ptr<SlowSoundWindow> window;
};

TEST_F(HeldInputTest, AClickDuringAMoveActsWhenTheMoveEndsWithoutAnotherPointerMove)
{
    const GameState& s = window->GameEngine().State();
    ASSERT_EQ(s.TableCount[4], 8) << "the King of clubs lies on spot 4";
    const QPoint kingOfDiamonds = CentreOf("card_Table5");
    const QPoint kingOfClubs = CentreOf("card_Table4");

    // A real click plays the King of diamonds; the play's sound lasts a while,
    // and the second click, on the King of clubs, lands in the middle of it.
    Xdotool({"mousemove", QString::number(kingOfDiamonds.x()), QString::number(kingOfDiamonds.y())});
    QTest::qWait(100);
    // Detached, so that the end of xdotool wakes nothing in this process.
    ASSERT_TRUE(QProcess::startDetached(QStringLiteral("xdotool"),
                                        {"click", "1", "sleep", QString::number(ClickAfterMilliseconds / 1000.0), "mousemove",
                                         QString::number(kingOfClubs.x()), QString::number(kingOfClubs.y()), "click", "1"}));

    int cardsLeftAtSecondClick = -1;
    bool firstDoneAtSecondClick = false;
    QElapsedTimer secondClicked;
    auto* card = window->findChild<TCarddeck*>(QStringLiteral("card_Table4"));
    QObject::connect(card, &TCarddeck::MouseDown, card, [&] {
        secondClicked.start();
        cardsLeftAtSecondClick = s.CardsLeft;
        firstDoneAtSecondClick = window->moveEnded.isValid();
    });

    // Only one timer is due, long after the move: if the held click waited for
    // another X event, it would be handled late or not at all.
    QEventLoop loop;
    QTimer::singleShot(SoundMilliseconds + 1500, &loop, &QEventLoop::quit);
    loop.exec();

    ASSERT_TRUE(window->moveEnded.isValid()) << "the first click played nothing";
    ASSERT_TRUE(secondClicked.isValid()) << "the held click was never delivered";
    EXPECT_TRUE(firstDoneAtSecondClick) << "the click must wait for the move to end";
    EXPECT_EQ(cardsLeftAtSecondClick, 102) << "the window's own handler played the King of clubs on that click";
    EXPECT_LT(window->moveEnded.elapsed() - secondClicked.elapsed(), 250) << "the held click waited after the move ended";
    EXPECT_EQ(s.CardsLeft, 102) << "the King of clubs went to its stack";
}

// A peek lasts while the right button is held on the card; moving on onto
// bare panel ends it, as it does with no button held, though the pressed card
// keeps the pointer. At 200% the panel lies where the zoom puts it.
TEST_F(HeldInputTest, HeldPeekEndsOnBarePanel)
{
    window->Table().SetZoom(2);
    QTest::qWait(100);
    auto* peek = window->findChild<QWidget*>(QStringLiteral("panPeek"));
    auto* spots = window->findChild<QWidget*>(QStringLiteral("pan_Table"));
    const QPoint card = CentreOf("card_Table1");
    const QPoint bare = spots->mapToGlobal(QPoint(8, 8) * 2);

    Xdotool({"mousemove", QString::number(card.x()), QString::number(card.y()), "mousedown", "3"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return peek->isVisible(); }, 2000)) << "no peek on the right button";
    Xdotool({"mousemove", QString::number(card.x() + 5), QString::number(card.y() + 5)});
    QTest::qWait(200);
    EXPECT_TRUE(peek->isVisible()) << "a move on the card itself keeps the peek";
    Xdotool({"mousemove", QString::number(bare.x()), QString::number(bare.y())});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !peek->isVisible(); }, 2000)) << "the peek outlived the move onto bare panel";
    Xdotool({"mouseup", "3"});
    QTest::qWait(100);
}

}  // namespace
