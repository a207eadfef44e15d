#pragma once

class QString;
class QWidget;
class SettingsWriteError;

// Tells the player that the settings file refused a write, with its message
// and the application's title, as every unhandled write error is shown.
void ShowWriteError(QWidget* parent, const SettingsWriteError& error);

// A plain message box with the application's title and an OK button.
void ShowPlainMessage(QWidget* parent, const QString& text);
