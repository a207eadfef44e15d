// The table at other sizes than the classic one: every control keeps its
// place times the zoom, the View menu's steps, the fit, and the pictures on
// a scaled screen agree pixel for pixel with the classic table blown up.
#include <map>
#include <memory>
#include <set>

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

#include "controls/carddeck.h"
#include "controls/image.h"
#include "controls/label3d.h"
#include "controls/panel.h"
#include "table/cardtable.h"
#include "table/zoomsteps.h"
#include "tests/window/windowparts.h"
#include "window/frmmain.h"
#include "window/tableview.h"
#include "window/zoomcontroller.h"

namespace {

class ZoomTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<Tfrm_Main>(parts.player, parts.store, parts.sound);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QAction* Command(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }
    template <typename T>
    T* Find(const char* name) const { return window->findChild<T*>(QLatin1String(name)); }

    std::map<QWidget*, QRect> Geometries() const
    {
        std::map<QWidget*, QRect> places;
        for (QWidget* control : window->Table().findChildren<QWidget*>())
            if (control->objectName() != QLatin1String("focusMark"))  // it follows the focused control, with a margin of its own
                places[control] = control->geometry();
        return places;
    }

    QImage Render(qreal deviceRatio) const
    {
        TCardTable& table = window->Table();
        QImage image((QSizeF(table.size()) * deviceRatio).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(deviceRatio);
        table.render(&image);
        image.setDevicePixelRatio(1);
        return image;
    }

    // Where text is drawn: its letters are drawn from the font at each size
    // and are no blown-up copy of the classic ones.
    std::vector<QRect> TextAreas(int factor) const
    {
        std::vector<QRect> areas;
        TCardTable& table = window->Table();
        for (const QWidget* text : table.findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const TLabel3d*>(text);
            const QRect box(text->mapTo(&table, QPoint(0, 0)) / table.Zoom(), text->size() / table.Zoom());
            const QRect scaled(box.topLeft() * factor, box.size() * factor);
            // Inside the bevel of a bevelled label; around a plain one, whose
            // letters may reach a pixel past the box they were measured for.
            if (label != nullptr && !label->Caption().isEmpty())
                areas.push_back(scaled.adjusted(factor, factor, -factor, -factor));
            else if (qobject_cast<const QLabel*>(text) != nullptr)
                areas.push_back(scaled.adjusted(-factor, -factor, factor, factor));
            // An empty stack's outline is drawn, smoothed, at each size.
            else if (text->objectName().startsWith(QLatin1String("outline_Stack")) && text->isVisible())
                areas.push_back(scaled);
        }
        return areas;
    }

    static bool Inside(const std::vector<QRect>& areas, QPoint point)
    {
        for (const QRect& area : areas)
            if (area.contains(point))
                return true;
        return false;
    }

    // Every pixel of `scaled`, but in the text, is the classic pixel it covers.
    void ExpectBlownUpCopy(const QImage& classic, const QImage& scaled, int factor) const
    {
        ASSERT_EQ(scaled.size(), classic.size() * factor);
        const std::vector<QRect> text = TextAreas(factor);
        int wrong = 0;
        for (int y = 0; y < scaled.height(); ++y)
            for (int x = 0; x < scaled.width(); ++x)
                if (!Inside(text, {x, y}) && scaled.pixel(x, y) != classic.pixel(x / factor, y / factor) && wrong++ < 5)
                    ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << scaled.pixel(x, y)
                                  << " where the classic table has " << classic.pixel(x / factor, y / factor);
        EXPECT_EQ(wrong, 0);
    }

    WindowParts parts{"Zoomer"};
    std::unique_ptr<Tfrm_Main> window;
};

TEST_F(ZoomTest, EveryControlKeepsItsClassicPlaceTimesTheZoom)
{
    const std::map<QWidget*, QRect> classic = Geometries();
    Command("mnu_Zoom200")->trigger();
    EXPECT_EQ(window->Table().size(), QSize(1268, 870));
    for (const auto& [control, place] : Geometries()) {
        const QRect expected(classic.at(control).topLeft() * 2, classic.at(control).size() * 2);
        EXPECT_EQ(place, expected) << control->objectName().toStdString();
    }
    EXPECT_EQ(Find<QLabel>("lbl_Plays")->font().pixelSize(), 24);
    EXPECT_EQ(Find<TCarddeck>("card_Table1")->Zoom(), 2.0);

    // Controls that meet at the classic size still meet between whole zooms.
    Command("mnu_Zoom150")->trigger();
    const QRect kings = Find<QWidget>("pan_Stack1")->geometry();
    const QRect spots = Find<QWidget>("pan_Table")->geometry();
    const QRect pile = Find<QWidget>("pan_PlayPile")->geometry();
    EXPECT_EQ(kings.right() + 1, spots.left());
    EXPECT_EQ(spots.bottom() + 1, pile.top());
    EXPECT_EQ(spots.right() + 1, Find<QWidget>("pan_Stack2")->geometry().left());

    Command("mnu_Zoom100")->trigger();
    EXPECT_EQ(Geometries(), classic);
}

// A lifted card and the peek panel are placed in classic pixels by the game
// and keep their places through a change of zoom.
TEST_F(ZoomTest, GamePlacesFollowTheZoom)
{
    window->GameEngine().NewGame();
    TCardTable& table = window->Table();
    Command("mnu_Zoom300")->trigger();
    table.MoveCardUp(CardGroup::Table, 3, 10);
    table.ShowPeekPanel(200);
    EXPECT_EQ(Find<QWidget>("card_Table3")->geometry(), QRect(189 * 3, 4 * 3, 71 * 3, 95 * 3));
    EXPECT_EQ(Find<QWidget>("panPeek")->geometry(), QRect((92 + 124) * 3, 111 * 3, 200 * 3, 128 * 3));
    Command("mnu_Zoom100")->trigger();
    EXPECT_EQ(Find<QWidget>("card_Table3")->geometry(), QRect(189, 4, 71, 95));
    EXPECT_EQ(Find<QWidget>("panPeek")->geometry(), QRect(92 + 124, 111, 200, 128));
}

TEST_F(ZoomTest, ZoomCommandsStepThroughTheSizesAndAreKeptInTheSettings)
{
    const GameSettings& settings = parts.player.Settings;
    EXPECT_TRUE(Command("mnu_Zoom100")->isChecked());
    QTest::keySequence(window.get(), QKeySequence::ZoomIn);
    EXPECT_EQ(window->Table().Zoom(), 1.5);
    EXPECT_EQ(settings.Zoom, 150);
    EXPECT_TRUE(Command("mnu_Zoom150")->isChecked());
    Command("mnu_ZoomIn")->trigger();
    Command("mnu_ZoomIn")->trigger();
    Command("mnu_ZoomIn")->trigger();
    EXPECT_EQ(settings.Zoom, 300) << "the last step stays";
    QTest::keySequence(window.get(), QKeySequence::ZoomOut);
    EXPECT_EQ(settings.Zoom, 200);
    QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::Key_0));
    EXPECT_EQ(settings.Zoom, 100);
    EXPECT_EQ(window->Table().size(), QSize(634, 435));
}

// Fit to window fills the room the window leaves, keeping the table's
// proportions, and centres it in the margin; zooming in from a fit goes to
// the next step above it.
TEST_F(ZoomTest, FitToWindowFillsTheWindowAndCentresTheTable)
{
    Command("mnu_ZoomFit")->trigger();
    window->resize(1400, 800 + window->menuBar()->height());
    QApplication::processEvents();
    TTableView* view = Find<TTableView>("tableView");
    const QSize room = view->viewport()->size();
    ASSERT_EQ(room, QSize(1400, 800));
    TCardTable& table = window->Table();
    EXPECT_DOUBLE_EQ(table.Zoom(), 800.0 / 435);
    EXPECT_EQ(table.height(), 800);
    EXPECT_EQ(table.mapTo(view->viewport(), QPoint(0, 0)).x(), (1400 - table.width()) / 2);
    EXPECT_EQ(parts.player.Settings.Zoom, ZoomFitWindow);
    Command("mnu_ZoomIn")->trigger();
    EXPECT_EQ(parts.player.Settings.Zoom, 200);
}

// A scaled screen shows the classic table blown up: no bevel covers part of
// a pixel, no seam shows between panels, no pixel is left unpainted.
TEST_F(ZoomTest, ScaledScreenAndZoomShowTheClassicTableBlownUp)
{
    window->GameEngine().NewGame();
    parts.player.Settings.TableColor = 0x008000;
    window->ApplySettings();
    const QImage classic = Render(1);
    // The column and row the panels leave free show the button face, as the panels do.
    EXPECT_EQ(classic.pixel(633, 200), 0xFFC0C0C0u);
    EXPECT_EQ(classic.pixel(300, 434), 0xFFC0C0C0u);
    ExpectBlownUpCopy(classic, Render(2), 2);
    Command("mnu_Zoom200")->trigger();
    ExpectBlownUpCopy(classic, Render(1), 2);
}

// Between whole factors the edges of panels cover parts of pixels; every
// pixel is still painted in a colour of the classic table.
TEST_F(ZoomTest, OneAndAHalfLeavesNoStrayPixelsAtTheJoins)
{
    const QImage classic = Render(1);
    std::set<QRgb> colours;
    for (int y = 0; y < classic.height(); ++y)
        for (int x = 0; x < classic.width(); ++x)
            colours.insert(classic.pixel(x, y));
    // Text and pictures are smoothed at this scale and may blend their colours.
    std::vector<QRect> skipped = TextAreas(1);
    for (const QWidget* picture : window->Table().findChildren<QWidget*>())
        if (picture->isVisible() && (qobject_cast<const TCarddeck*>(picture) || qobject_cast<const TImage*>(picture)))
            skipped.push_back(QRect(picture->mapTo(&window->Table(), QPoint(0, 0)), picture->size()));
    for (QRect& area : skipped)
        area = QRect(QPoint(area.topLeft() * 1.5) - QPoint(3, 3), QSize(area.size() * 1.5) + QSize(6, 6));
    const QImage scaled = Render(1.5);
    for (int y = 0; y < scaled.height(); ++y)
        for (int x = 0; x < scaled.width(); ++x) {
            if (!Inside(skipped, {x, y})) {
                ASSERT_TRUE(colours.count(scaled.pixel(x, y)))
                    << "stray " << std::hex << scaled.pixel(x, y) << std::dec << " at " << x << "," << y;
            }
        }
}

TEST(ZoomStepsTest, StepsFitAndSettingsRead)
{
    EXPECT_EQ(ZoomInFrom(1.0), 150);
    EXPECT_EQ(ZoomInFrom(1.7), 200) << "from a fit between steps, the next step up";
    EXPECT_EQ(ZoomInFrom(3.0), 300);
    EXPECT_EQ(ZoomInFrom(5.0), 300);
    EXPECT_EQ(ZoomOutFrom(1.7), 150);
    EXPECT_EQ(ZoomOutFrom(1.0), 100);
    EXPECT_EQ(ZoomOutFrom(0.6), 100);
    EXPECT_DOUBLE_EQ(FitZoom(1268, 1000, 634, 435), 2.0);
    EXPECT_DOUBLE_EQ(FitZoom(100, 100, 634, 435), MinFitZoom);
    EXPECT_DOUBLE_EQ(FitZoom(100000, 100000, 634, 435), MaxFitZoom);
    for (const int kept : {0, 100, 150, 200, 300})
        EXPECT_EQ(ValidZoomSetting(kept), kept);
    for (const int unknown : {-100, 1, 99, 250, 100000})
        EXPECT_EQ(ValidZoomSetting(unknown), 100) << unknown;
}

// What the window keeps of itself for the player, and gets back.
TEST_F(ZoomTest, SizeAndZoomComeBackForThePlayer)
{
    auto* zoom = window->findChild<TZoomController*>();
    ASSERT_NE(zoom, nullptr);
    zoom->ChooseZoom(150);
    window->resize(700, 500);
    WindowPosition kept;
    zoom->Store(kept);
    EXPECT_EQ(QSize(kept.Width, kept.Height), QSize(700, 500));
    EXPECT_FALSE(kept.Maximized);

    parts.player.Settings.Zoom = 250;  // not a step: a hand-edited file
    zoom->Restore(WindowPosition{10, 10, 0, 0, false});
    EXPECT_EQ(parts.player.Settings.Zoom, 100);
    EXPECT_EQ(window->size(), QSize(634, 435 + window->menuBar()->height())) << "no size kept: the table's";

    parts.player.Settings.Zoom = ZoomFitWindow;
    zoom->Restore(WindowPosition{10, 10, 0, 0, false});
    EXPECT_EQ(window->size(), QSize(634, 435 + window->menuBar()->height())) << "a fit with no size kept: the classic table's";

    parts.player.Settings.Zoom = 200;
    zoom->Restore(kept);
    EXPECT_EQ(window->size(), QSize(700, 500));
    EXPECT_EQ(window->Table().Zoom(), 2.0);
    EXPECT_TRUE(Command("mnu_Zoom200")->isChecked());

    zoom->Restore(WindowPosition{10, 10, 100000, 100000, false});
    const QSize screen = window->screen()->availableGeometry().size();
    EXPECT_LE(window->width(), screen.width()) << "a size larger than the screen is held to it";
    EXPECT_LE(window->height(), screen.height());
}

}  // namespace
