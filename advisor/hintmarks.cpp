#include "advisor/hintmarks.h"

#include <algorithm>

#include <QFrame>
#include <QLabel>
#include <QRegion>
#include <QTimer>

namespace {

constexpr int OutlineWidth = 3;
constexpr int NoteGap = 2;
constexpr int NoteWidest = 260;
constexpr int NoteSlack = 4;  // the label's own margin on each side of its text

// The part of a control that shows: a fanned card lies under the next one,
// and an outline of the whole card would frame its neighbours.
QRect ShownBounds(const QWidget& control, const QWidget& layer)
{
    QRegion shown(control.geometry());
    bool above = false;
    for (const QObject* sibling : control.parentWidget()->children()) {
        const auto* widget = qobject_cast<const QWidget*>(sibling);
        if (widget == &control)
            above = true;
        else if (above && widget && widget->isVisible())
            shown -= widget->geometry();
    }
    const QRect bounds = shown.isEmpty() ? control.geometry() : shown.boundingRect();
    return {control.parentWidget()->mapTo(&layer, bounds.topLeft()), bounds.size()};
}

}  // namespace

THintMarks::THintMarks(QWidget& table) : QObject(&table), table_(table)
{
    noteTimer_ = new QTimer(this);
    noteTimer_->setSingleShot(true);
    noteTimer_->setInterval(NoteMs);
}

// Made at the first hint, so that until then the table's own top control
// (the peek panel) stays the topmost child; a peek clears the marks anyway.
void THintMarks::MakeNote()
{
    note_ = new QLabel(&table_);
    note_->setObjectName(QStringLiteral("hintNote"));
    note_->setAttribute(Qt::WA_TransparentForMouseEvents);
    note_->setWordWrap(true);
    // The colours of a tooltip, whose look players know for a passing remark.
    note_->setStyleSheet(QStringLiteral("QLabel { background: #FFFFE1; color: black; border: 1px solid black; padding: 2px 4px; }"));
    connect(noteTimer_, &QTimer::timeout, note_, &QWidget::hide);
}

void THintMarks::Show(const std::vector<QWidget*>& controls, const QString& words)
{
    Clear();
    for (QWidget* control : controls) {
        auto* frame = new QFrame(&table_);
        frame->setObjectName(QStringLiteral("hintOutline"));
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame->setStyleSheet(QStringLiteral("QFrame { border: %1px solid #FF2020; background: transparent; }").arg(OutlineWidth));
        frame->setGeometry(ShownBounds(*control, table_).adjusted(-OutlineWidth, -OutlineWidth, OutlineWidth, OutlineWidth));
        frame->show();
        frame->raise();
        outlines_.push_back(frame);
    }
    if (!note_)
        MakeNote();
    note_->setText(words);
    PlaceNote();
    note_->show();
    note_->raise();
    noteTimer_->start();
}

// Under the first outline where there is room, else above it; with no
// outline, in the middle of the table; always wholly on the table.
void THintMarks::PlaceNote()
{
    note_->ensurePolished();  // the style sheet's padding and border count
    const QMargins frame = note_->contentsMargins();
    const int textWidth = note_->fontMetrics().horizontalAdvance(note_->text()) + frame.left() + frame.right() + 2 * NoteSlack;
    note_->setFixedWidth(std::min(textWidth, NoteWidest));
    note_->setFixedHeight(note_->heightForWidth(note_->width()));
    const QSize size = note_->size();
    QPoint place;
    if (outlines_.empty()) {
        place = table_.rect().center() - QPoint(size.width() / 2, size.height() / 2);
    } else {
        const QRect first = outlines_.front()->geometry();
        const bool roomBelow = first.bottom() + NoteGap + size.height() < table_.height();
        place = QPoint(first.left(), roomBelow ? first.bottom() + NoteGap : first.top() - NoteGap - size.height());
    }
    place.setX(std::clamp(place.x(), 0, std::max(0, table_.width() - size.width())));
    place.setY(std::clamp(place.y(), 0, std::max(0, table_.height() - size.height())));
    note_->move(place);
}

void THintMarks::Clear()
{
    for (QFrame* frame : outlines_)
        delete frame;
    outlines_.clear();
    if (note_)
        note_->hide();
    noteTimer_->stop();
}
