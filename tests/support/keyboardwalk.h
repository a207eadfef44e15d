#pragma once

#include <QStringList>

class QWidget;

// The object names of the controls that Tab reaches in a shown, active
// window, pressed from its focus control until the focus comes round again.
QStringList TabWalk(QWidget& window);

// The object names of the window's visible controls that an assistive tool
// would find without a name: the ones that take the keyboard, and the
// pictures and texts that tell something.
QStringList UnnamedControls(QWidget& window);
