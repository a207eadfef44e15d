// Drags on the "Sound" page with the real pointer, moved by xdotool on an X
// display, so the window system's own mouse grab and event order are used.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "options/directorylistbox.h"
#include "tests/support/fakesoundplayer.h"
#include "options/filelistbox.h"
#include "options/frmoptn.h"
#include "controls/label3d.h"
#include "options/pagedrag.h"
#include "tests/options/recordinghost.h"
#include "options/soundpage.h"

namespace {

constexpr int SoundPage = 3;
constexpr int Undo = 7;
constexpr int WaitMs = 5000;

}  // namespace

class SoundDragOnX : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QStringLiteral("xcb"))
            GTEST_SKIP() << "needs an X display";
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            GTEST_SKIP() << "needs xdotool";
        ASSERT_TRUE(folder.isValid());
        QFile(QDir(folder.path()).filePath("Ding.wav")).open(QIODevice::WriteOnly);
        QFile(QDir(folder.path()).filePath("Gong.wav")).open(QIODevice::WriteOnly);

        dialog = std::make_unique<TfrmOptions>(settings, true, host, player);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        dialog->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(SoundPage);
        dialog->findChild<TDirectoryListBox*>("dirSound")->SetDirectory(folder.path());
        files = dialog->findChild<TFileListBox*>("lst_Sound");
        undoLabel = dialog->findChild<TLabel3d*>("lbl_sound7");
        ASSERT_NE(files, nullptr);
        ASSERT_NE(undoLabel, nullptr);
        QTest::qWait(50);
    }

    void TearDown() override
    {
        if (dialog)
            Xdotool({"mouseup", "1"});
        dialog.reset();
    }

    static void Xdotool(const QStringList& arguments)
    {
        ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0) << arguments.join(' ').toStdString();
    }

    void PointerTo(const QPoint& global)
    {
        Xdotool({"mousemove", QString::number(global.x()), QString::number(global.y())});
        ASSERT_TRUE(QTest::qWaitFor([&] { return QCursor::pos() == global; }, WaitMs));
    }

    QPoint FileOnScreen(const QString& name) const
    {
        const QListWidgetItem* item = files->findItems(name, Qt::MatchExactly).value(0);
        return item == nullptr ? QPoint() : files->viewport()->mapToGlobal(files->visualItemRect(item).center());
    }

    bool DropCursorShown() const
    {
        const QCursor* cursor = QApplication::overrideCursor();
        return cursor != nullptr
            && cursor->pixmap().toImage() == dialog->SoundPage().Drag().DropCursor().pixmap().toImage();
    }

    QTemporaryDir folder;
    GameSettings settings;
    TRecordingHost host;
    TFakeSoundPlayer player;
    std::unique_ptr<TfrmOptions> dialog;
    TFileListBox* files = nullptr;
    TLabel3d* undoLabel = nullptr;
};

TEST_F(SoundDragOnX, AFileDraggedOntoALabelIsAssigned)
{
    const QPoint start = FileOnScreen("Ding.wav");
    const QPoint target = undoLabel->mapToGlobal(undoLabel->rect().center());
    PointerTo(start);
    Xdotool({"mousedown", "1"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return files->SelectedFile() == "Ding.wav"; }, WaitMs));
    ASSERT_TRUE(dialog->SoundPage().Drag().Armed());

    PointerTo(start + QPoint(3, 0));
    EXPECT_FALSE(dialog->SoundPage().Drag().Active());
    PointerTo(start + QPoint(6, 0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->SoundPage().Drag().Active(); }, WaitMs));
    PointerTo((start + target) / 2);
    PointerTo(target);
    EXPECT_TRUE(QTest::qWaitFor([&] { return DropCursorShown(); }, WaitMs));

    Xdotool({"mouseup", "1"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !settings.SoundName[Undo].empty(); }, WaitMs));
    EXPECT_EQ(settings.SoundName[Undo], "Ding");
    EXPECT_EQ(QString::fromStdString(settings.SoundPath[Undo]), folder.path() + "/");
    EXPECT_EQ(undoLabel->Caption(), QStringLiteral("Ding"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SoundDragOnX, AReleaseBeforeFivePixelsDoesNothing)
{
    bool released = false;
    QObject::connect(undoLabel, &TLabel3d::MouseUp, [&] { released = true; });
    settings.SoundName[Undo] = "Gong";
    settings.SoundPath[Undo] = "/sounds/";
    undoLabel->SetCaption("Gong");

    const QPoint start = undoLabel->mapToGlobal(undoLabel->rect().center());
    PointerTo(start);
    Xdotool({"mousedown", "1"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->SoundPage().Drag().Armed(); }, WaitMs));
    PointerTo(start + QPoint(4, -4));
    Xdotool({"mouseup", "1"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return released; }, WaitMs));
    EXPECT_FALSE(dialog->SoundPage().Drag().Armed());
    EXPECT_EQ(settings.SoundName[Undo], "Gong");
    EXPECT_EQ(undoLabel->Caption(), QStringLiteral("Gong"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(player.Played.isEmpty());
}
