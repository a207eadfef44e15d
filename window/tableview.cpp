#include "window/tableview.h"

#include "controls/tcolor.h"
#include "table/cardtable.h"

TTableView::TTableView(TCardTable& table, QWidget* parent)
    : QScrollArea(parent)
{
    setObjectName(QStringLiteral("tableView"));
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignCenter);
    setWidgetResizable(false);
    UseButtonFaceBackground(*viewport());
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(true);
    setWidget(&table);
}

void TTableView::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    emit Resized();
}
