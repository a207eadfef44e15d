#include "controls/glyphs.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>

#include "pictures/pictures.h"
#include "controls/uifonts.h"
#include "controls/widgetmaker.h"

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

QPushButton* MakeGlyphButton(QWidget* parent, const char* name, const QString& caption, const QRect& bounds,
                             const QString& glyph)
{
    constexpr int ButtonPixels = 13;
    auto* button = MakeControl<QPushButton>(parent, name, bounds);
    button->setText(caption);
    button->setFont(ArialFont(ButtonPixels));
    SetButtonGlyph(*button, glyph, QString());
    return button;
}
