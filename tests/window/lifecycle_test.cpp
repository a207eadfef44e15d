#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>

#include "window/frmlose.h"
#include "window/frmmain.h"
#include "options/frmoptn.h"
#include "window/frmplay.h"
#include "window/helpviewer.h"
#include "store/settingsstore.h"
#include "sound/soundplayer.h"

namespace {

class SilentPlayer : public TSoundPlayer {
public:
    int OutputDeviceCount() override { return 0; }
    bool PlaySync(const QString&, int) override { return false; }
};

// The main window recording the sound events asked for, with a hook into the deal.
class LifeProbe : public Tfrm_Main {
public:
    using Tfrm_Main::Tfrm_Main;

    void PlaySoundEvent(SoundEvent event) override
    {
        sounds.push_back(static_cast<int>(event));
        Tfrm_Main::PlaySoundEvent(event);
    }
    void ProcessMessages() override
    {
        if (duringDeal && GameEngine().IsDealing())
            std::exchange(duringDeal, nullptr)();
        Tfrm_Main::ProcessMessages();
    }

    std::vector<int> sounds;
    std::function<void()> duringDeal;
};

// Answers the next modal dialog of type T from the event loop.
template <typename T>
void Answer(std::function<void(T&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no such dialog is open";
        answer(*dialog);
    });
}

void TypeAndAccept(Tfrm_Player& dialog, const QString& name)
{
    dialog.findChild<QLineEdit*>(QStringLiteral("cmb_PlayerEdit"))->setText(name);
    dialog.findChild<QPushButton*>(QStringLiteral("btn_OK"))->click();
}

class LifeCycleTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    void Start()
    {
        store = std::make_unique<TSettingsStore>(SettingsPath());
        window = std::make_unique<LifeProbe>(player, *store, sound);
        window->FormCreate();
    }
    void Restart()
    {
        window.reset();
        player = Player{};
        Start();
    }

    std::string SettingsPath() const { return folder.filePath(QStringLiteral("brackwater.INI")).toStdString(); }
    QString FileText() const
    {
        QFile file(QString::fromStdString(SettingsPath()));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    bool FileExists() const { return QFile::exists(QString::fromStdString(SettingsPath())); }

    QTemporaryDir folder;
    SilentPlayer sound;
    Player player;
    GameSettings& settings = player.Settings;
    std::unique_ptr<TSettingsStore> store;
    std::unique_ptr<LifeProbe> window;
};

TEST_F(LifeCycleTest, FirstRunAsksForANameThenOpensTheTableWithDefaults)
{
    bool emptyAtFirst = false;
    Answer<Tfrm_Player>([&](Tfrm_Player& dialog) {
        emptyAtFirst = dialog.findChild<QLineEdit*>(QStringLiteral("cmb_PlayerEdit"))->text().isEmpty()
                       && dialog.ListedNames().isEmpty();
        dialog.findChild<QPushButton*>(QStringLiteral("btn_OK"))->click();  // nothing typed: stays open
        QTimer::singleShot(0, [&dialog] { TypeAndAccept(dialog, QStringLiteral("Ann")); });
    });
    Start();
    EXPECT_TRUE(emptyAtFirst);
    EXPECT_EQ(player.Name, "Ann");
    EXPECT_FALSE(window->IsEnding());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Brackwater - Ann"));
    EXPECT_EQ(window->pos(), QPoint(10, 10));
    EXPECT_EQ(settings.TableColor, clSilver);
    EXPECT_EQ(window->sounds.front(), static_cast<int>(SoundEvent::StartGame));
    EXPECT_EQ(window->GameEngine().State().CardsLeft, 104) << "the first game is dealt";
    EXPECT_FALSE(window->PlayerDialog().isVisible());
}

TEST_F(LifeCycleTest, ExitAtStartUpEndsWithoutSoundFileOrWindow)
{
    Answer<Tfrm_Player>([](Tfrm_Player& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("btn_Exit"))->click(); });
    Start();
    EXPECT_TRUE(window->IsEnding());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->x(), -10000);
    EXPECT_TRUE(window->sounds.empty());
    EXPECT_FALSE(FileExists());
}

TEST_F(LifeCycleTest, SettingsAndPositionSurviveARestart)
{
    Answer<Tfrm_Player>([](Tfrm_Player& dialog) { TypeAndAccept(dialog, QStringLiteral("Ann")); });
    Start();
    settings.TableColor = 0x008000;
    settings.Level = LevelEasy;
    // As a player would, once the window has settled: the placement checks
    // the frame a moment after the window shows and would undo an earlier move.
    QTest::qWait(50);
    window->move(40, 50);
    window->findChild<QAction*>(QStringLiteral("mnu_Exit"))->trigger();
    EXPECT_TRUE(window->IsEnding());
    EXPECT_EQ(window->sounds.back(), static_cast<int>(SoundEvent::EndGame));

    Answer<Tfrm_Player>([](Tfrm_Player& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("cmb_PlayerEdit"))->text(), QStringLiteral("Ann"));
        dialog.findChild<QPushButton*>(QStringLiteral("btn_OK"))->click();
    });
    Restart();
    EXPECT_EQ(settings.TableColor, 0x008000u);
    EXPECT_EQ(settings.Level, LevelEasy);
    EXPECT_EQ(window->pos(), QPoint(40, 50));
}

TEST_F(LifeCycleTest, ClosingDuringTheFirstDealEndsOnceTheDealStopsAndSaves)
{
    Answer<Tfrm_Player>([](Tfrm_Player& dialog) { TypeAndAccept(dialog, QStringLiteral("Ann")); });
    store = std::make_unique<TSettingsStore>(SettingsPath());
    window = std::make_unique<LifeProbe>(player, *store, sound);
    bool endedDuringDeal = true;
    window->duringDeal = [&] {
        window->close();
        endedDuringDeal = window->IsEnding();
    };
    window->FormCreate();
    EXPECT_FALSE(endedDuringDeal) << "the close only stops the deal";
    EXPECT_TRUE(window->IsEnding());
    EXPECT_LT(window->GameEngine().State().CardsLeft + window->GameEngine().State().DrawCount, 104 + 69);
    EXPECT_EQ(window->sounds.back(), static_cast<int>(SoundEvent::EndGame));
    EXPECT_TRUE(FileText().contains(QStringLiteral("[Ann]")));
}

TEST_F(LifeCycleTest, NewPlayerWithTheSameNameSavesReloadsAndDealsAgain)
{
    Answer<Tfrm_Player>([](Tfrm_Player& dialog) { TypeAndAccept(dialog, QStringLiteral("Ann")); });
    Start();
    settings.CardBack = 3;
    const int deals = static_cast<int>(std::count(window->sounds.begin(), window->sounds.end(), 2));
    bool laterForm = false;
    Answer<Tfrm_Player>([&](Tfrm_Player& dialog) {
        laterForm = dialog.findChild<QPushButton*>(QStringLiteral("btn_Delete"))->isVisibleTo(&dialog)
                    && !dialog.findChild<QPushButton*>(QStringLiteral("btn_Exit"))->isVisibleTo(&dialog);
        dialog.findChild<QPushButton*>(QStringLiteral("btn_OK"))->click();
    });
    window->findChild<QAction*>(QStringLiteral("mnu_Newplayer"))->trigger();
    EXPECT_TRUE(laterForm);
    EXPECT_TRUE(FileText().contains(QStringLiteral("Card Back=3")));
    EXPECT_EQ(settings.CardBack, 3) << "reloaded from the file just written";
    EXPECT_EQ(std::count(window->sounds.begin(), window->sounds.end(), 2), deals + 1);
}

TEST_F(LifeCycleTest, NewPlayerAbandonedAfterAFailedWriteKeepsThePlayerAndTheGame)
{
    Answer<Tfrm_Player>([](Tfrm_Player& dialog) { TypeAndAccept(dialog, QStringLiteral("Ann")); });
    Start();
    const auto deals = std::count(window->sounds.begin(), window->sounds.end(), 2);
    Answer<Tfrm_Player>([&](Tfrm_Player& dialog) {
        // The file turns into something that cannot be written while the dialog is up.
        QFile::remove(QString::fromStdString(SettingsPath()));
        QDir().mkdir(QString::fromStdString(SettingsPath()));
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->done(QMessageBox::Ok);
        });
        TypeAndAccept(dialog, QStringLiteral("Kim"));
        ASSERT_TRUE(dialog.isVisible());
        dialog.reject();  // what Escape and a close request do
    });
    window->findChild<QAction*>(QStringLiteral("mnu_Newplayer"))->trigger();
    EXPECT_EQ(player.Name, "Ann");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Brackwater - Ann"));
    EXPECT_EQ(std::count(window->sounds.begin(), window->sounds.end(), 2), deals) << "the game goes on";
}

TEST_F(LifeCycleTest, AResultIsInTheFileAsSoonAsTheGameEnds)
{
    Answer<Tfrm_Player>([](Tfrm_Player& dialog) { TypeAndAccept(dialog, QStringLiteral("PlumbLine")); });
    Start();
    // Play whatever can be played, else draw, to the end of the game.
    Game& game = window->GameEngine();
    const GameState& s = game.State();
    const auto gamesInFile = [&] {
        GameSettings readSettings;
        GameHistory readHistory;
        TSettingsStore(SettingsPath()).LoadSettings("PlumbLine", false, readSettings, readHistory);
        return readHistory.Row(1).Games;
    };
    bool lost = false;
    int gamesInFileWhileGameOverIsUp = -1;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<Tfrm_lose*>(QApplication::activeModalWidget())) {
            lost = true;
            gamesInFileWhileGameOverIsUp = gamesInFile();  // a crash now must lose nothing
            dialog->accept();
        }
    });
    closer.start(0);
    const auto ended = [&] { return s.CardsLeft == 0 || (s.PlaysCount == 0 && s.DrawCount == 0); };
    for (int guard = 0; guard < 2000 && !ended(); ++guard) {
        const int before = s.CardsLeft;
        for (int spot = 1; spot <= SpotCount && s.CardsLeft == before && !s.Raised; ++spot)
            game.SelectTableCard(spot);
        for (int k = s.PlayCount; k >= 1 && s.CardsLeft == before && !s.Raised; --k)
            game.SelectPlayPileCard(k);
        for (int stack = KingsStacks + 1; s.Raised && stack <= StackCount; ++stack)
            game.PlayToStack(stack);
        if (s.CardsLeft == before)
            game.DrawCard();
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(ended());
    EXPECT_EQ(lost, s.CardsLeft > 0) << "a lost game shows the game-over dialog";
    if (lost) {
        EXPECT_EQ(gamesInFileWhileGameOverIsUp, 1);
    }
    // Nothing has been saved by an exit: the result must already be in the file.
    TSettingsStore reader(SettingsPath());
    GameSettings readSettings;
    GameHistory readHistory;
    reader.LoadSettings("PlumbLine", false, readSettings, readHistory);
    EXPECT_EQ(readHistory.Row(1).Games, 1);
    EXPECT_EQ(readHistory.Row(1).CardsLeftTotal, s.CardsLeft);
    EXPECT_EQ(readHistory.Row(1).Won, s.CardsLeft == 0 ? 1 : 0);
}

}  // namespace

TEST_F(LifeCycleTest, OptionsAreSavedWhenTheDialogCloses)
{
    Answer<Tfrm_Player>([](Tfrm_Player& dialog) { TypeAndAccept(dialog, QStringLiteral("Ann")); });
    Start();
    Answer<TfrmOptions>([](TfrmOptions& dialog) {
        dialog.findChild<QRadioButton*>(QStringLiteral("radEasy"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("btn_OK"))->click();
    });
    window->findChild<QAction*>(QStringLiteral("mnu_Options"))->trigger();
    EXPECT_TRUE(FileText().contains(QStringLiteral("\nLevel=1\n"))) << FileText().toStdString();
}

TEST_F(LifeCycleTest, HelpFromTheOptionsDialogCanBeUsedWhileItIsOpen)
{
    Answer<Tfrm_Player>([](Tfrm_Player& dialog) { TypeAndAccept(dialog, QStringLiteral("Ann")); });
    Start();
    window->SetHelpFile(QStringLiteral(BRACKWATER_HELP_FILE));
    QString topicAfterClick;
    Answer<TfrmOptions>([&](TfrmOptions& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("btn_Help"))->click();
        THelpViewer& help = window->HelpViewer();
        EXPECT_TRUE(help.isVisible());
        // Through the window system, where a modal dialog holds input back.
        auto* contents = help.findChild<QPushButton*>(QStringLiteral("btn_Contents"));
        QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {}, contents->mapTo(&help, contents->rect().center()));
        topicAfterClick = help.CurrentTopic();
        dialog.findChild<QPushButton*>(QStringLiteral("btn_OK"))->click();
    });
    window->findChild<QAction*>(QStringLiteral("mnu_Options"))->trigger();
    EXPECT_EQ(topicAfterClick, QStringLiteral("contents"));
}
