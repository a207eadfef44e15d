#include "glyphs.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPixmap>

#include "pictures.h"

void SetButtonGlyph(QAbstractButton& button, const QString& pictureName, const QString& fallbackText)
{
    const QImage picture = LoadPicture(pictureName);
    if (picture.isNull()) {
        if (button.text().isEmpty())
            button.setText(fallbackText);
        return;
    }
    button.setIcon(QIcon(QPixmap::fromImage(picture)));
    button.setIconSize(picture.size());
}
