#pragma once

class QString;
class QWidget;

// Asks before something the player cannot get back is erased: Yes and No,
// with No the default, so that a hasty Enter erases nothing.
bool ConfirmErase(QWidget* parent, const QString& question);
