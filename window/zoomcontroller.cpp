#include "window/zoomcontroller.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include "table/cardtable.h"
#include "table/tablescale.h"
#include "table/zoomsteps.h"
#include "window/mainmenus.h"
#include "window/tableview.h"

namespace {

const QRect ClassicTable(0, 0, TCardTable::TableWidth, TCardTable::TableHeight);

}  // namespace

TZoomController::TZoomController(QMainWindow& window, TCardTable& table, TMainMenus& menus, GameSettings& settings)
    : QObject(&window), window_(window), table_(table), menus_(menus), settings_(settings),
      view_(new TTableView(table, &window))
{
    window_.setCentralWidget(view_);
    // Small enough for any screen; the fit never shrinks the table further.
    view_->setMinimumSize(TTableScale::Scaled(ClassicTable, MinFitZoom).size());
    connect(view_, &TTableView::Resized, this, [this] {
        if (settings_.Zoom == ZoomFitWindow)
            ShowZoom();
    });
    ConnectMenus();
    ShowZoom();
    FitWindowToTable();
}

void TZoomController::ConnectMenus()
{
    const std::array<std::pair<QAction*, int>, 5> choices = {{
        {menus_.Zoom100, 100}, {menus_.Zoom150, 150}, {menus_.Zoom200, 200}, {menus_.Zoom300, 300},
        {menus_.ZoomFit, ZoomFitWindow},
    }};
    for (const auto& [action, zoom] : choices)
        connect(action, &QAction::triggered, this, [this, zoom = zoom] { ChooseZoom(zoom); });
    connect(menus_.ZoomIn, &QAction::triggered, this, &TZoomController::ZoomIn);
    connect(menus_.ZoomOut, &QAction::triggered, this, &TZoomController::ZoomOut);
    connect(menus_.FullScreen, &QAction::triggered, this, &TZoomController::ToggleFullScreen);
}

void TZoomController::Restore(const WindowPosition& saved)
{
    settings_.Zoom = ValidZoomSetting(settings_.Zoom);
    window_.setWindowState(window_.windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    ShowZoom();
    // A size from a hand-edited file, or from a larger screen, is held to this one.
    if (saved.Width > 0 && saved.Height > 0)
        window_.resize(QSize(saved.Width, saved.Height).boundedTo(ScreenRoom()).expandedTo(window_.minimumSizeHint()));
    else
        FitWindowToTable();
    if (saved.Maximized)
        window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
}

// A maximised or full-screen window keeps its normal size for next time.
void TZoomController::Store(WindowPosition& place) const
{
    const QSize size = WindowIsSizedByDesktop() ? window_.normalGeometry().size() : window_.size();
    place.Width = std::max(0, size.width());
    place.Height = std::max(0, size.height());
    place.Maximized = window_.isMaximized();
}

// A fixed step resizes a normal window to hold the table, as far as the
// screen allows; a larger table scrolls.
void TZoomController::ChooseZoom(int zoom)
{
    settings_.Zoom = ValidZoomSetting(zoom);
    ShowZoom();
    if (settings_.Zoom != ZoomFitWindow)
        FitWindowToTable();
}

void TZoomController::ZoomIn()
{
    ChooseZoom(ZoomInFrom(table_.Zoom()));
}

void TZoomController::ZoomOut()
{
    ChooseZoom(ZoomOutFrom(table_.Zoom()));
}

void TZoomController::ToggleFullScreen()
{
    window_.setWindowState(window_.windowState() ^ Qt::WindowFullScreen);
    menus_.FullScreen->setChecked(window_.isFullScreen());
}

void TZoomController::ShowZoom()
{
    const bool fit = settings_.Zoom == ZoomFitWindow;
    // A fitted table never needs them, and they would change the room it fits.
    view_->setHorizontalScrollBarPolicy(fit ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    view_->setVerticalScrollBarPolicy(fit ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    const qreal zoom = fit ? FitZoom(view_->width(), view_->height(), ClassicTable.width(), ClassicTable.height())
                           : settings_.Zoom / 100.0;
    if (zoom != table_.Zoom())
        table_.SetZoom(zoom);
    ShowChoice();
}

void TZoomController::FitWindowToTable()
{
    if (WindowIsSizedByDesktop())
        return;
    // A table fitted to a window not yet sized has no size of its own yet:
    // such a window opens around the classic table.
    const QSize table = settings_.Zoom == ZoomFitWindow ? ClassicTable.size() : table_.size();
    const QSize wanted = table + QSize(0, window_.menuBar()->sizeHint().height());
    window_.resize(wanted.boundedTo(ScreenRoom()));
}

// The largest window the screen holds, frame and title bar included.
QSize TZoomController::ScreenRoom() const
{
    const QScreen* screen = window_.screen();
    if (screen == nullptr)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
    return screen->availableGeometry().size() - frame;
}

void TZoomController::ShowChoice()
{
    menus_.Zoom100->setChecked(settings_.Zoom == 100);
    menus_.Zoom150->setChecked(settings_.Zoom == 150);
    menus_.Zoom200->setChecked(settings_.Zoom == 200);
    menus_.Zoom300->setChecked(settings_.Zoom == 300);
    menus_.ZoomFit->setChecked(settings_.Zoom == ZoomFitWindow);
}

bool TZoomController::WindowIsSizedByDesktop() const
{
    return window_.isMaximized() || window_.isFullScreen();
}
