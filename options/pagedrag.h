#pragma once

#include <functional>

#include <QCursor>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QMouseEvent;
class QWidget;

// Drag and drop between the controls of one page, tracked by hand: a left
// press on a source arms it, the drag starts once the pointer has moved 5
// pixels either way with the button held, the pointer shows "PAGEDROP" over
// a place that takes the item and "PAGEDRAG" elsewhere, and the release
// drops. Everything happens inside the page's own mouse events, so a drag
// runs the same on every platform and in tests.
class TPageDrag final : public QObject {
    Q_OBJECT

public:
    static constexpr int StartDistance = 5;

    // Whether the item being dragged may be dropped on `target` (a child of
    // the surface, or null outside every child).
    using TAccepts = std::function<bool(QWidget* target)>;
    using TDrop = std::function<void(QWidget* target)>;

    TPageDrag(QWidget& surface, TAccepts accepts, TDrop drop);
    ~TPageDrag() override;
    TPageDrag(const TPageDrag&) = delete;
    TPageDrag& operator=(const TPageDrag&) = delete;

    // Watches a control that items can be dragged from.
    void AddSource(QWidget& source);
    // Called by a source's mouse-down handler when its left press has an item
    // to drag: the press just seen becomes a possible drag.
    void Arm();
    // Ends any drag without a drop.
    void Cancel();

    bool Armed() const { return armed_; }
    bool Active() const { return active_; }
    // The press that the handlers are answering, in screen coordinates.
    QPoint PressGlobalPos() const { return pressGlobal_; }

    const QCursor& DragCursor() const { return dragCursor_; }
    const QCursor& DropCursor() const { return dropCursor_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Press(QWidget* source, const QMouseEvent& event);
    void Move(const QMouseEvent& event);
    void Release(const QMouseEvent& event);
    void Start();
    QWidget* TargetAt(const QPoint& sourcePos) const;

    QWidget& surface_;
    TAccepts accepts_;
    TDrop drop_;
    QCursor dragCursor_;
    QCursor dropCursor_;
    QObject* escapeWatcher_ = nullptr;
    QPointer<QWidget> pressSource_;
    QPoint pressPos_;
    QPoint pressGlobal_;
    bool armed_ = false;
    bool active_ = false;
    bool overAccepting_ = false;
};
