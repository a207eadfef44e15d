#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "gamesettings.h"

class QAbstractButton;
class QWidget;

// Arial by pixel height, so the layout does not follow the desktop's font
// size. Arial resolves to a metric-compatible face.
QFont OptionsFont(int pixels);

// A colour setting as the samples show it. The settings only ever receive
// plain colours from this dialog; a system colour from an edited file shows
// as its low three bytes.
QColor SampleColor(TColor color);

// A colour chosen in the colour dialog as a setting: red in the low byte.
TColor ToTColor(const QColor& color);

// Gives a button the named picture as its icon, at the picture's size, and
// the second picture, when named, for the disabled button.
void SetButtonPicture(QAbstractButton& button, const QString& pictureName, const QString& disabledName = QString());

// The classic grey of dialogs, black text.
void UseDialogColors(QWidget& window);
