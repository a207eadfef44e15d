#pragma once

class QWidget;

// Places `dialog` centred over `window` by their outer frames: top = window
// top + (window height - dialog height) / 2, left likewise, truncating toward
// zero. A dialog larger than the window ends up above and left of it; nothing
// keeps it on the screen.
void CentreOverWindow(QWidget& dialog, const QWidget& window);
