#pragma once

#include <QString>

class QAbstractButton;

// Gives a button the named picture as its icon, at the picture's own size,
// and the second picture, when named, for the disabled button; when no such
// picture exists it shows `fallbackText` instead.
void SetButtonGlyph(QAbstractButton& button, const QString& pictureName, const QString& fallbackText,
                    const QString& disabledName = QString());
