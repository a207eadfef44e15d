#pragma once

#include <QString>

class QAbstractButton;
class QPushButton;
class QRect;
class QWidget;

// Gives a button the named picture as its icon, at the picture's own size,
// and the second picture, when named, for the disabled button; when no such
// picture exists it shows `fallbackText` instead.
void SetButtonGlyph(QAbstractButton& button, const QString& pictureName, const QString& fallbackText,
                    const QString& disabledName = QString());

// A dialog's button: its name, caption and place, in 13-pixel Arial, with
// the named glyph before the caption.
QPushButton* MakeGlyphButton(QWidget* parent, const char* name, const QString& caption, const QRect& bounds,
                             const QString& glyph);
