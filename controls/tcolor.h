#pragma once

#include <cstdint>

#include <QColor>

class QWidget;

// 0x00BBGGRR: red in the low byte. A value with the top bit set names a
// desktop system colour. The settings keep their colours in the same form.
using TColor = std::uint32_t;

// The classic desktop colours that system colour values name: button face,
// its highlight and shadow, and window text.
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clBtnShadow = 0x80000010;
inline constexpr TColor clBtnHighlight = 0x80000014;
inline constexpr TColor clWindowText = 0x80000008;

// A TColor (0x00BBGGRR, or a system colour when the top bit is set) as a QColor.
QColor ToQColor(TColor color);

// A colour as a TColor setting: red in the low byte.
TColor ToTColor(const QColor& color);

// Gives a window the classic button-face background of dialogs, with black text.
void UseButtonFaceBackground(QWidget& window);
