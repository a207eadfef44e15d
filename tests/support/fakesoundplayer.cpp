#include "tests/support/fakesoundplayer.h"

#include <QApplication>
#include <QCursor>

bool TFakeSoundPlayer::PlaySync(const QString& path, int volume)
{
    Played.append(path);
    Volumes.append(volume);
    const QCursor* cursor = QApplication::overrideCursor();
    WaitCursorShown.append(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
    return true;
}
