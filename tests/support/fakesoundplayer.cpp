#include "tests/support/fakesoundplayer.h"

#include <QApplication>
#include <QCursor>

bool TFakeSoundPlayer::PlaySync(const QString& path)
{
    Played.append(path);
    const QCursor* cursor = QApplication::overrideCursor();
    WaitCursorShown.append(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
    return true;
}
