#include "glyphs.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPixmap>

#include "pictures.h"

void SetButtonGlyph(QAbstractButton& button, const QString& pictureName, const QString& fallbackText,
                    const QString& disabledName)
{
    const QImage picture = LoadPicture(pictureName);
    if (picture.isNull()) {
        if (button.text().isEmpty())
            button.setText(fallbackText);
        return;
    }
    QIcon icon(QPixmap::fromImage(picture));
    const QImage disabled = disabledName.isEmpty() ? QImage() : LoadPicture(disabledName);
    if (!disabled.isNull())
        icon.addPixmap(QPixmap::fromImage(disabled), QIcon::Disabled);
    button.setIcon(icon);
    button.setIconSize(picture.size());
}
