#include "controls/centring.h"

#include <QWidget>

namespace {

// Before a window exists on the screen its frame is not known, and Qt's
// frame geometry for it can even come out a pixel smaller than the window;
// it will get the same decoration as the main window.
QSize OuterSize(const QWidget& dialog, const QWidget& window)
{
    if (dialog.testAttribute(Qt::WA_WState_Created))
        return dialog.frameGeometry().size();
    return dialog.size() + (window.frameGeometry().size() - window.size());
}

}  // namespace

void CentreOverWindow(QWidget& dialog, const QWidget& window)
{
    const QRect outer = window.frameGeometry();
    const QSize own = OuterSize(dialog, window);
    // C++ division truncates toward zero, as the rule wants for negative differences.
    const int top = outer.top() + (outer.height() - own.height()) / 2;
    const int left = outer.left() + (outer.width() - own.width()) / 2;
    dialog.move(left, top);
}
