#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include "options/directorylistbox.h"
#include "options/drivecombobox.h"
#include "options/filelistbox.h"
#include "controls/label3d.h"
#include "tests/options/optionsdialogtest.h"
#include "options/pagedrag.h"
#include "pictures/pictures.h"
#include "options/soundpage.h"

namespace {

constexpr int SoundPage = 3;
constexpr int Undo = 7;
constexpr int StartGame = 1;
const QString LongName = QStringLiteral("The_Long_Name_Of_A_Fanfare");  // 26 characters

enum class TShownCursor { None, Drag, Drop, Other };

}  // namespace

// A folder of sounds browsed on a showing "Sound" page.
class SoundPageTest : public TOptionsDialogTest {
protected:
    void SetUp() override
    {
        TOptionsDialogTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        for (const QString& name : {QStringLiteral("Ding.wav"), QStringLiteral("my.tune.wav"),
                                    QStringLiteral("LOUD.WAV"), QStringLiteral("notes.txt"), LongName + ".wav"})
            Touch(name);
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("more")));
    }

    void ShowSoundPage()
    {
        Show();
        ShowPage(SoundPage);
        Directories()->SetDirectory(folder.path());
    }

    void Touch(const QString& name)
    {
        QFile file(QDir(folder.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    TFileListBox* Files() const { return Find<TFileListBox>("lst_Sound"); }
    TDirectoryListBox* Directories() const { return Find<TDirectoryListBox>("dirSound"); }
    TLabel3d* SoundLabel(int event) const
    {
        return Find<TLabel3d>(event == 1 ? "lbl_Sound1" : QStringLiteral("lbl_sound%1").arg(event).toLatin1().constData());
    }
    QWidget* Page() const { return Find<QWidget>("TabSheet4"); }
    TPageDrag& Drag() const { return dialog->SoundPage().Drag(); }

    QPoint FileCentre(const QString& name) const
    {
        const QList<QListWidgetItem*> items = Files()->findItems(name, Qt::MatchExactly);
        EXPECT_EQ(items.size(), 1) << name.toStdString();
        return items.isEmpty() ? QPoint() : Files()->visualItemRect(items.first()).center();
    }

    // Where `target`'s centre lies in the coordinates of `source`.
    static QPoint CentreOf(QWidget* target, QWidget* source)
    {
        return source->mapFrom(source->window(), target->mapTo(target->window(), target->rect().center()));
    }

    TShownCursor ShownCursor() const
    {
        const QCursor* cursor = QApplication::overrideCursor();
        if (cursor == nullptr)
            return TShownCursor::None;
        const QImage shown = cursor->pixmap().toImage();
        if (cursor->hotSpot() == QPoint(0, 31) && shown == Drag().DragCursor().pixmap().toImage())
            return TShownCursor::Drag;
        if (cursor->hotSpot() == QPoint(0, 31) && shown == Drag().DropCursor().pixmap().toImage())
            return TShownCursor::Drop;
        return TShownCursor::Other;
    }

    // Presses on `source` at `from`, moves in steps to `to` (both in the
    // source's coordinates), noting the cursor over the end, and releases.
    TShownCursor DragTo(QWidget* source, QPoint from, QPoint to)
    {
        QTest::mousePress(source, Qt::LeftButton, {}, from);
        constexpr int Steps = 4;
        for (int i = 1; i <= Steps; ++i)
            QTest::mouseMove(source, from + (to - from) * i / Steps);
        const TShownCursor over = ShownCursor();
        QTest::mouseRelease(source, Qt::LeftButton, {}, to);
        return over;
    }

    TShownCursor DragFile(const QString& name, QWidget* target)
    {
        QWidget* viewport = Files()->viewport();
        return DragTo(viewport, FileCentre(name), CentreOf(target, viewport));
    }

    TShownCursor DragLabel(int event, QWidget* target)
    {
        TLabel3d* label = SoundLabel(event);
        return DragTo(label, label->rect().center(), CentreOf(target, label));
    }

    QString Stored(int event) const { return QString::fromStdString(settings.SoundName[event]); }
    QString StoredPath(int event) const { return QString::fromStdString(settings.SoundPath[event]); }
    QString FolderWithSeparator() const { return folder.path() + "/"; }

    QTemporaryDir folder;
};

// ---- browsing --------------------------------------------------------------

TEST_F(SoundPageTest, TheFileListShowsWaveFilesWhateverTheirCase)
{
    ShowSoundPage();
    QStringList listed;
    for (int i = 0; i < Files()->count(); ++i)
        listed.append(Files()->item(i)->text());
    EXPECT_EQ(listed, QStringList({"Ding.wav", "LOUD.WAV", "my.tune.wav", LongName + ".wav"}));
    EXPECT_FALSE(Files()->item(0)->icon().isNull());
    EXPECT_EQ(Files()->Directory(), folder.path());
}

TEST_F(SoundPageTest, BrowsingLeavesTheCurrentDirectoryAlone)
{
    const QString before = QDir::currentPath();
    ShowSoundPage();
    const QList<QListWidgetItem*> more = Directories()->findItems(QStringLiteral("more"), Qt::MatchEndsWith);
    ASSERT_EQ(more.size(), 1);
    emit Directories()->itemActivated(more.first());
    EXPECT_EQ(Files()->Directory(), QDir(folder.path()).filePath("more"));
    EXPECT_EQ(Files()->count(), 0);
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST_F(SoundPageTest, ChoosingADriveBrowsesItsRoot)
{
    const QString before = QDir::currentPath();
    ShowSoundPage();
    auto* drives = Find<TDriveComboBox>("drvSound");
    emit drives->activated(0);
    EXPECT_EQ(Directories()->Directory(), QStringLiteral("/"));
    EXPECT_EQ(Files()->Directory(), QStringLiteral("/"));
    EXPECT_EQ(drives->currentText(), QStringLiteral("/"));
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST_F(SoundPageTest, TheBrowserStartsInTheCurrentDirectoryAndListsTheRootVolumeFirst)
{
    Show();
    EXPECT_EQ(Files()->Directory(), QDir::currentPath());
    const QStringList drives = Find<TDriveComboBox>("drvSound")->Drives();
    ASSERT_FALSE(drives.isEmpty());
    EXPECT_EQ(drives.first(), QStringLiteral("/"));
}

// ---- assigning by drag and drop ------------------------------------------

TEST_F(SoundPageTest, AFileDroppedOnALabelIsAssignedToItsEvent)
{
    ShowSoundPage();
    EXPECT_EQ(DragFile("Ding.wav", SoundLabel(Undo)), TShownCursor::Drop);
    EXPECT_EQ(Stored(Undo), QStringLiteral("Ding"));
    EXPECT_EQ(StoredPath(Undo), FolderWithSeparator());
    EXPECT_EQ(SoundLabel(Undo)->Caption(), QStringLiteral("Ding"));
    EXPECT_TRUE(player.Played.isEmpty()) << "assigning plays nothing";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Names survive every later showing of the dialog, which tidies them.
// What a drag does, the keys do: Return gives the focused event the chosen
// file, Delete takes it away, Return in the list plays the file.
TEST_F(SoundPageTest, KeysAssignClearAndPlayWithoutDragging)
{
    ShowSoundPage();
    Files()->setCurrentItem(Files()->findItems(QStringLiteral("Ding.wav"), Qt::MatchExactly).first());
    SoundLabel(Undo)->setFocus();
    QTest::keyClick(SoundLabel(Undo), Qt::Key_Return);
    EXPECT_EQ(Stored(Undo), QStringLiteral("Ding"));
    EXPECT_EQ(SoundLabel(Undo)->accessibleName(), QStringLiteral("Undo sound: Ding"));

    QTest::keyClick(SoundLabel(Undo), Qt::Key_Delete);
    EXPECT_EQ(Stored(Undo), QString());
    EXPECT_EQ(SoundLabel(Undo)->accessibleName(), QStringLiteral("Undo sound: none"));

    QTest::keyClick(Files(), Qt::Key_Return);
    EXPECT_EQ(player.Played, QStringList({FolderWithSeparator() + "Ding.wav"}));
}

TEST_F(SoundPageTest, DottedAndLongNamesAreKeptWholeAcrossShowings)
{
    ShowSoundPage();
    DragFile("my.tune.wav", SoundLabel(StartGame));
    DragFile(LongName + ".wav", SoundLabel(12));
    DragFile(LongName + ".wav", SoundLabel(Undo));
    for (int showing = 0; showing < 2; ++showing) {
        dialog->hide();
        Show();
        EXPECT_EQ(Stored(StartGame), QStringLiteral("my.tune"));
        EXPECT_EQ(SoundLabel(StartGame)->Caption(), QStringLiteral("my.tune"));
        for (int event : {12, Undo}) {
            EXPECT_EQ(Stored(event), LongName);
            EXPECT_EQ(SoundLabel(event)->Caption(), LongName);
            EXPECT_EQ(SoundLabel(event)->toolTip(), LongName) << "too long for the label, shown whole as a hint";
        }
    }
}

TEST_F(SoundPageTest, TheSecondFileTypeListsOtherSoundFormatsAndStoresTheirExtension)
{
    Touch(QStringLiteral("bell.oga"));
    Touch(QStringLiteral("Gong.FLAC"));
    ShowSoundPage();
    auto* types = Find<QComboBox>("cmb_FileType");
    EXPECT_EQ(types->currentIndex(), 0);
    EXPECT_TRUE(Files()->findItems(QStringLiteral("bell.oga"), Qt::MatchExactly).isEmpty());
    types->setCurrentIndex(1);
    EXPECT_EQ(Files()->count(), 6);
    DragFile("bell.oga", SoundLabel(Undo));
    DragFile("Gong.FLAC", SoundLabel(StartGame));
    EXPECT_EQ(Stored(Undo), QStringLiteral("bell.oga"));
    EXPECT_EQ(Stored(StartGame), QStringLiteral("Gong.FLAC"));
    DragLabel(Undo, Find<QLabel>("imgSound"));
    EXPECT_EQ(player.Played, QStringList({FolderWithSeparator() + "bell.oga"}));
}

TEST_F(SoundPageTest, ASecondDropReplacesTheAssignment)
{
    ShowSoundPage();
    DragFile("Ding.wav", SoundLabel(Undo));
    DragFile("LOUD.WAV", SoundLabel(Undo));
    EXPECT_EQ(Stored(Undo), QStringLiteral("LOUD"));
    EXPECT_EQ(SoundLabel(Undo)->Caption(), QStringLiteral("LOUD"));
}

TEST_F(SoundPageTest, AFolderOfAnyLengthIsKeptWhole)
{
    QString deep = folder.path();
    while (deep.size() < 120)
        deep += QStringLiteral("/a_rather_long_folder_name");
    ASSERT_TRUE(QDir().mkpath(deep));
    QFile(deep + "/Ding.wav").open(QIODevice::WriteOnly);
    Show();
    ShowPage(SoundPage);
    Directories()->SetDirectory(deep);
    DragFile("Ding.wav", SoundLabel(Undo));
    EXPECT_EQ(StoredPath(Undo), deep + "/");
    DragLabel(Undo, Find<QLabel>("imgSound"));
    EXPECT_EQ(player.Played, QStringList({deep + "/Ding.wav"}));
}

// ---- where an item may be dropped -----------------------------------------

TEST_F(SoundPageTest, AFileOverTheWasteBinIsRefused)
{
    ShowSoundPage();
    DragFile("Ding.wav", SoundLabel(Undo));
    EXPECT_EQ(DragFile("LOUD.WAV", Find<QLabel>("img_Trash")), TShownCursor::Drag);
    EXPECT_EQ(Stored(Undo), QStringLiteral("Ding"));
    EXPECT_TRUE(player.Played.isEmpty());
}

TEST_F(SoundPageTest, ALabelOverAnotherLabelIsRefused)
{
    ShowSoundPage();
    DragFile("Ding.wav", SoundLabel(Undo));
    EXPECT_EQ(DragLabel(Undo, SoundLabel(StartGame)), TShownCursor::Drag);
    EXPECT_EQ(Stored(Undo), QStringLiteral("Ding"));
    EXPECT_TRUE(settings.SoundName[StartGame].empty());
    EXPECT_EQ(SoundLabel(StartGame)->Caption(), QString());
}

TEST_F(SoundPageTest, ALabelOnTheWasteBinClearsItsEvent)
{
    ShowSoundPage();
    DragFile("Ding.wav", SoundLabel(Undo));
    EXPECT_EQ(DragLabel(Undo, Find<QLabel>("img_Trash")), TShownCursor::Drop);
    EXPECT_TRUE(settings.SoundName[Undo].empty());
    EXPECT_TRUE(settings.SoundPath[Undo].empty());
    EXPECT_EQ(SoundLabel(Undo)->Caption(), QString());
}

TEST_F(SoundPageTest, TheLoudspeakersPlayALabelOrAFileWithTheWaitCursorAtTheVolume)
{
    settings.SoundOn = false;
    settings.SoundVolume = 60;
    ShowSoundPage();
    DragFile("Ding.wav", SoundLabel(Undo));
    EXPECT_EQ(DragLabel(Undo, Find<QLabel>("imgSound")), TShownCursor::Drop);
    EXPECT_EQ(DragFile("my.tune.wav", Find<QLabel>("imgSound")), TShownCursor::Drop);
    EXPECT_EQ(player.Played, QStringList({FolderWithSeparator() + "Ding.wav", FolderWithSeparator() + "my.tune.wav"}));
    EXPECT_EQ(player.WaitCursorShown, QList<bool>({true, true}));
    EXPECT_EQ(player.Volumes, QList<int>({60, 60}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SoundPageTest, OutsideEveryTargetTheDragCursorShowsAndNothingHappens)
{
    ShowSoundPage();
    QWidget* viewport = Files()->viewport();
    const QPoint start = FileCentre("Ding.wav");
    EXPECT_EQ(DragTo(viewport, start, start + QPoint(0, 40)), TShownCursor::Drag);
    EXPECT_EQ(DragTo(viewport, start, CentreOf(Find<QGroupBox>("grp_sound"), viewport)), TShownCursor::Drag);
    for (int event = 1; event <= SoundEventCount; ++event)
        EXPECT_TRUE(settings.SoundName[event].empty());
    EXPECT_TRUE(player.Played.isEmpty());
}

// ---- when a drag starts ----------------------------------------------------

TEST_F(SoundPageTest, TheDragStartsAfterFivePixelsEitherWay)
{
    ShowSoundPage();
    QWidget* viewport = Files()->viewport();
    const QPoint start = FileCentre("Ding.wav");
    for (const QPoint step : {QPoint(5, 0), QPoint(0, 5), QPoint(-5, 4), QPoint(4, -5)}) {
        QTest::mousePress(viewport, Qt::LeftButton, {}, start);
        QTest::mouseMove(viewport, start + QPoint(std::clamp(step.x(), -4, 4), std::clamp(step.y(), -4, 4)));
        EXPECT_FALSE(Drag().Active()) << "4 pixels";
        EXPECT_EQ(ShownCursor(), TShownCursor::None);
        QTest::mouseMove(viewport, start + step);
        EXPECT_TRUE(Drag().Active()) << step.x() << "," << step.y();
        EXPECT_EQ(ShownCursor(), TShownCursor::Drag);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, start + step);
        EXPECT_FALSE(Drag().Active());
    }
}

TEST_F(SoundPageTest, AReleaseBeforeFivePixelsIsAnOrdinaryClick)
{
    ShowSoundPage();
    DragFile("Ding.wav", SoundLabel(Undo));
    TLabel3d* label = SoundLabel(Undo);
    const QPoint start = label->rect().center();
    QTest::mousePress(label, Qt::LeftButton, {}, start);
    QTest::mouseMove(label, start + QPoint(4, 4));
    QTest::mouseRelease(label, Qt::LeftButton, {}, start + QPoint(4, 4));
    EXPECT_EQ(Stored(Undo), QStringLiteral("Ding"));
    EXPECT_TRUE(player.Played.isEmpty());

    QTest::mouseClick(Files()->viewport(), Qt::LeftButton, {}, FileCentre("LOUD.WAV"));
    EXPECT_EQ(Files()->SelectedFile(), QStringLiteral("LOUD.WAV"));
    QTest::mouseDClick(Files()->viewport(), Qt::LeftButton, {}, FileCentre("LOUD.WAV"));
    EXPECT_EQ(Stored(Undo), QStringLiteral("Ding"));
    EXPECT_TRUE(player.Played.isEmpty()) << "a double click neither plays nor assigns";
}

TEST_F(SoundPageTest, AnEmptyLabelStartsNoDrag)
{
    ShowSoundPage();
    TLabel3d* label = SoundLabel(StartGame);
    QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
    QTest::mouseMove(label, label->rect().center() + QPoint(30, 0));
    EXPECT_FALSE(Drag().Active());
    EXPECT_EQ(ShownCursor(), TShownCursor::None);
    QTest::mouseRelease(label, Qt::LeftButton, {}, label->rect().center() + QPoint(30, 0));
}

TEST_F(SoundPageTest, NothingIsDraggedFromTheListWithoutASelectedFile)
{
    ShowSoundPage();
    QWidget* viewport = Files()->viewport();
    const QPoint belowTheFiles(10, viewport->height() - 3);
    ASSERT_EQ(Files()->itemAt(belowTheFiles), nullptr);
    QTest::mousePress(viewport, Qt::LeftButton, {}, belowTheFiles);
    QTest::mouseMove(viewport, CentreOf(SoundLabel(Undo), viewport));
    EXPECT_FALSE(Drag().Active());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, CentreOf(SoundLabel(Undo), viewport));
    EXPECT_TRUE(settings.SoundName[Undo].empty());
}

TEST_F(SoundPageTest, EscapeAbandonsADrag)
{
    ShowSoundPage();
    QWidget* viewport = Files()->viewport();
    const QPoint start = FileCentre("Ding.wav");
    const QPoint over = CentreOf(SoundLabel(Undo), viewport);
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, over);
    ASSERT_TRUE(Drag().Active());
    QTest::keyClick(viewport, Qt::Key_Escape);
    EXPECT_FALSE(Drag().Active());
    EXPECT_EQ(ShownCursor(), TShownCursor::None);
    EXPECT_TRUE(dialog->isVisible());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, over);
    EXPECT_TRUE(settings.SoundName[Undo].empty());
}

// ---- the sound menu --------------------------------------------------------

TEST_F(SoundPageTest, TheMenuOpensOnlyOnAFilledLabel)
{
    ShowSoundPage();
    auto* menu = Find<QMenu>("popSound");
    QTest::mousePress(SoundLabel(Undo), Qt::RightButton);
    QTest::mouseRelease(SoundLabel(Undo), Qt::RightButton);
    EXPECT_FALSE(menu->isVisible());

    DragFile("Ding.wav", SoundLabel(Undo));
    QTest::mousePress(SoundLabel(Undo), Qt::RightButton);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    QTest::mouseRelease(SoundLabel(Undo), Qt::RightButton);
}

// The game finds "LOUD.WAV" for a stored "loud"; listening must too.
TEST_F(SoundPageTest, ListeningFindsTheFileAsTheGameDoes)
{
    settings.SoundName[Undo] = "loud";
    settings.SoundPath[Undo] = FolderWithSeparator().toStdString();
    ShowSoundPage();
    DragLabel(Undo, Find<QLabel>("imgSound"));
    QTest::mousePress(SoundLabel(Undo), Qt::RightButton);
    Find<QMenu>("popSound")->hide();
    QTest::mouseRelease(SoundLabel(Undo), Qt::RightButton);
    Find<QAction>("popPlay")->trigger();
    const QString found = FolderWithSeparator() + "LOUD.WAV";
    EXPECT_EQ(player.Played, QStringList({found, found}));
}

TEST_F(SoundPageTest, TheVolumeSliderFollowsAndWritesTheVolume)
{
    settings.SoundVolume = 30;
    ShowSoundPage();
    auto* slider = Find<QSlider>("trk_Volume");
    EXPECT_EQ(slider->value(), 30);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_EQ(settings.SoundVolume, 40);
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(settings.SoundVolume, FullVolume);
}

TEST_F(SoundPageTest, EnterInTheDirectoryListOpensTheFolderAndKeepsTheDialogOpen)
{
    ShowSoundPage();
    const QList<QListWidgetItem*> more = Directories()->findItems(QStringLiteral("more"), Qt::MatchEndsWith);
    ASSERT_EQ(more.size(), 1);
    Directories()->setCurrentItem(more.first());
    Directories()->setFocus();
    QTest::keyClick(Directories(), Qt::Key_Return);
    EXPECT_EQ(Files()->Directory(), QDir(folder.path()).filePath("more"));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(SoundPageTest, MenuPlayAndDeleteActOnTheLabelRightClicked)
{
    settings.SoundOn = false;
    ShowSoundPage();
    DragFile("Ding.wav", SoundLabel(Undo));
    DragFile("LOUD.WAV", SoundLabel(StartGame));
    QTest::mousePress(SoundLabel(Undo), Qt::RightButton);
    Find<QMenu>("popSound")->hide();
    Find<QAction>("popPlay")->trigger();
    EXPECT_EQ(player.Played, QStringList({FolderWithSeparator() + "Ding.wav"}));
    EXPECT_EQ(player.WaitCursorShown, QList<bool>({true}));
    Find<QAction>("popDelete")->trigger();
    EXPECT_TRUE(settings.SoundName[Undo].empty());
    EXPECT_TRUE(settings.SoundPath[Undo].empty());
    EXPECT_EQ(SoundLabel(Undo)->Caption(), QString());
    EXPECT_EQ(Stored(StartGame), QStringLiteral("LOUD"));
}

// ---- showing, the switch and the missing device ---------------------------

TEST_F(SoundPageTest, ShowingTidiesTheNamesOfTheFirstTenEvents)
{
    settings.SoundName[3] = "Ding.wav";
    settings.SoundName[10] = "Ending.Tune.wav";
    settings.SoundName[11] = "Ding.wav";
    settings.SoundName[12] = "Peek.wav";
    settings.SoundName[4] = "odd.dir\\name";
    settings.SoundName[5] = "my.tune";
    settings.SoundName[6] = "bell.oga";
    Show();
    EXPECT_EQ(Stored(3), QStringLiteral("Ding"));
    EXPECT_EQ(Stored(10), QStringLiteral("Ending.Tune"));
    EXPECT_EQ(Stored(11), QStringLiteral("Ding.wav"));
    EXPECT_EQ(Stored(12), QStringLiteral("Peek.wav"));
    EXPECT_EQ(Stored(4), QStringLiteral("odd.dir\\name"));
    EXPECT_EQ(Stored(5), QStringLiteral("my.tune"));
    EXPECT_EQ(Stored(6), QStringLiteral("bell.oga"));
    EXPECT_EQ(SoundLabel(3)->Caption(), QStringLiteral("Ding"));
    EXPECT_EQ(SoundLabel(11)->Caption(), QStringLiteral("Ding.wav"));
}

TEST_F(SoundPageTest, TheSwitchFollowsAndWritesSoundOn)
{
    settings.SoundOn = true;
    ShowSoundPage();
    EXPECT_TRUE(Find<QRadioButton>("rad_On")->isChecked());
    EXPECT_TRUE(Find<QGroupBox>("grp_sound")->toolTip().isEmpty());
    Click("rad_Off");
    EXPECT_FALSE(settings.SoundOn);
    Click("rad_On");
    EXPECT_TRUE(settings.SoundOn);
}

TEST_F(SoundPageTest, WithoutADeviceSoundCannotBeSwitchedOnButPreviewsStillPlay)
{
    waveDevice = false;
    ShowSoundPage();
    auto* on = Find<QRadioButton>("rad_On");
    EXPECT_FALSE(on->isEnabled());
    EXPECT_TRUE(Find<QRadioButton>("rad_Off")->isChecked());
    EXPECT_FALSE(Find<QAction>("popPlay")->isEnabled());
    EXPECT_TRUE(Find<QAction>("popDelete")->isEnabled());
    EXPECT_EQ(Find<QGroupBox>("grp_sound")->toolTip(), QStringLiteral("This System is Incapable of Playing WAV Files"));
    Click("rad_On");
    EXPECT_FALSE(settings.SoundOn);
    EXPECT_FALSE(on->isChecked());

    DragFile("Ding.wav", SoundLabel(Undo));
    EXPECT_EQ(DragLabel(Undo, Find<QLabel>("imgSound")), TShownCursor::Drop);
    EXPECT_EQ(player.Played.size(), 1);
}

TEST_F(SoundPageTest, LabelsAndPicturesAsLaidOut)
{
    Show();
    EXPECT_EQ(SoundLabel(1)->geometry(), QRect(230, 6, 100, 25));
    EXPECT_EQ(SoundLabel(11)->geometry(), QRect(230, 131, 100, 25));
    EXPECT_EQ(SoundLabel(12)->geometry(), QRect(417, 6, 100, 25));
    EXPECT_EQ(SoundLabel(10)->geometry(), QRect(417, 131, 100, 25));
    EXPECT_EQ(Find<TLabel3d>("lbl_desc11")->Caption(), QStringLiteral("Play 2 Places"));
    EXPECT_EQ(Find<TLabel3d>("lbl_desc12")->geometry(), QRect(346, 6, 70, 25));
    for (int event = 1; event <= SoundEventCount; ++event) {
        EXPECT_EQ(SoundLabel(event)->Tag(), event);
        EXPECT_TRUE(SoundLabel(event)->Transparent());
        EXPECT_EQ(SoundLabel(event)->BevelInner(), TLabelBevel::bvLowered);
    }
    EXPECT_EQ(Find<QLabel>("imgSound")->geometry(), QRect(144, 168, 64, 64));
    EXPECT_EQ(Find<QLabel>("img_Trash")->geometry(), QRect(380, 160, 49, 64));
    EXPECT_EQ(Find<QLabel>("imgSound")->toolTip(), QStringLiteral("Drop Here to Listen"));
    EXPECT_EQ(Find<QLabel>("img_Trash")->toolTip(), QStringLiteral("Drop Here to Delete"));
}
