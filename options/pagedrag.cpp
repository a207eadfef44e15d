#include "options/pagedrag.h"

#include <cstdlib>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

#include "pictures/pictures.h"

namespace {

// Both cursors point with their bottom-left pixel.
constexpr int HotSpotX = 0;
constexpr int HotSpotY = 31;

QCursor PictureCursor(const QString& name)
{
    return QCursor(QPixmap::fromImage(LoadPicture(name)), HotSpotX, HotSpotY);
}

// Escape abandons a drag whichever control has the keyboard focus.
class TEscapeWatcher final : public QObject {
public:
    TEscapeWatcher(std::function<void()> onEscape, QObject* parent)
        : QObject(parent)
        , onEscape_(std::move(onEscape))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        onEscape_();
        return true;
    }

private:
    std::function<void()> onEscape_;
};

}  // namespace

TPageDrag::TPageDrag(QWidget& surface, TAccepts accepts, TDrop drop)
    : QObject(&surface)
    , surface_(surface)
    , accepts_(std::move(accepts))
    , drop_(std::move(drop))
    , dragCursor_(PictureCursor(QStringLiteral("PAGEDRAG")))
    , dropCursor_(PictureCursor(QStringLiteral("PAGEDROP")))
    , escapeWatcher_(new TEscapeWatcher([this] { Cancel(); }, this))
{
}

TPageDrag::~TPageDrag()
{
    Cancel();
}

void TPageDrag::AddSource(QWidget& source)
{
    source.installEventFilter(this);
}

void TPageDrag::Arm()
{
    armed_ = pressSource_ != nullptr;
}

void TPageDrag::Cancel()
{
    if (active_) {
        QApplication::restoreOverrideCursor();
        qApp->removeEventFilter(escapeWatcher_);
    }
    armed_ = false;
    active_ = false;
}

bool TPageDrag::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Press(qobject_cast<QWidget*>(watched), static_cast<QMouseEvent&>(*event));
        return false;
    case QEvent::MouseMove:
        if (!armed_ || watched != pressSource_)
            return false;
        Move(static_cast<QMouseEvent&>(*event));
        return true;  // the source neither selects nor scrolls meanwhile
    case QEvent::MouseButtonRelease:
        if (armed_ && watched == pressSource_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            Release(static_cast<QMouseEvent&>(*event));
        return false;
    default:
        return false;
    }
}

// Every press is remembered; the source's own handler then decides whether
// it starts a drag (Arm). A press of another button while dragging ends it.
void TPageDrag::Press(QWidget* source, const QMouseEvent& event)
{
    Cancel();
    pressSource_ = source;
    pressPos_ = event.position().toPoint();
    pressGlobal_ = event.globalPosition().toPoint();
}

void TPageDrag::Move(const QMouseEvent& event)
{
    if (!(event.buttons() & Qt::LeftButton)) {
        Cancel();
        return;
    }
    const QPoint pos = event.position().toPoint();
    const QPoint moved = pos - pressPos_;
    if (!active_ && (std::abs(moved.x()) >= StartDistance || std::abs(moved.y()) >= StartDistance))
        Start();
    if (!active_)
        return;
    const bool accepting = accepts_(TargetAt(pos));
    if (accepting != overAccepting_) {
        overAccepting_ = accepting;
        QApplication::changeOverrideCursor(accepting ? dropCursor_ : dragCursor_);
    }
}

void TPageDrag::Start()
{
    active_ = true;
    overAccepting_ = false;
    QApplication::setOverrideCursor(dragCursor_);
    qApp->installEventFilter(escapeWatcher_);
}

void TPageDrag::Release(const QMouseEvent& event)
{
    const bool wasActive = active_;
    QWidget* target = wasActive ? TargetAt(event.position().toPoint()) : nullptr;
    Cancel();
    if (wasActive && accepts_(target))
        drop_(target);
}

QWidget* TPageDrag::TargetAt(const QPoint& sourcePos) const
{
    const QPoint surfacePos = pressSource_->mapTo(&surface_, sourcePos);
    if (!surface_.rect().contains(surfacePos))
        return nullptr;
    return surface_.childAt(surfacePos);
}
