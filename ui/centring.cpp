#include "centring.h"

#include <QWidget>

namespace {

// Before its first showing a window's frame is not known yet; it will get the
// same decoration as the main window.
QSize OuterSize(const QWidget& dialog, const QWidget& window)
{
    const QSize frame = dialog.frameGeometry().size() - dialog.size();
    if (frame != QSize(0, 0) || dialog.isVisible())
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
