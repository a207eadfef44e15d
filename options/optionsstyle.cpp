#include "optionsstyle.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include "pictures.h"

namespace {

constexpr TColor ButtonFace = 0xC0C0C0;
constexpr int ByteBits = 8;
constexpr TColor ByteMask = 0xFF;

}  // namespace

QFont OptionsFont(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

QColor SampleColor(TColor color)
{
    return QColor(static_cast<int>(color & ByteMask), static_cast<int>((color >> ByteBits) & ByteMask),
                  static_cast<int>((color >> (2 * ByteBits)) & ByteMask));
}

TColor ToTColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return static_cast<TColor>(rgb.red()) | (static_cast<TColor>(rgb.green()) << ByteBits)
        | (static_cast<TColor>(rgb.blue()) << (2 * ByteBits));
}

void SetButtonPicture(QAbstractButton& button, const QString& pictureName, const QString& disabledName)
{
    const QImage picture = LoadPicture(pictureName);
    if (picture.isNull())
        return;
    QIcon icon(QPixmap::fromImage(picture));
    const QImage disabled = disabledName.isEmpty() ? QImage() : LoadPicture(disabledName);
    if (!disabled.isNull())
        icon.addPixmap(QPixmap::fromImage(disabled), QIcon::Disabled);
    button.setIcon(icon);
    button.setIconSize(picture.size());
}

void UseDialogColors(QWidget& window)
{
    QPalette colors = window.palette();
    colors.setColor(QPalette::Window, SampleColor(ButtonFace));
    colors.setColor(QPalette::WindowText, Qt::black);
    colors.setColor(QPalette::ButtonText, Qt::black);
    window.setPalette(colors);
}
