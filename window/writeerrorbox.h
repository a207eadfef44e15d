#pragma once

class QString;
class QWidget;
class SettingsWriteError;

// The error's message in the program's language: "Unable to write to" the
// path on the first line, the reason on the second.
QString WriteErrorText(const SettingsWriteError& error);

// Tells the player that the settings file refused a write, with its message
// and the application's title, as every unhandled write error is shown.
void ShowWriteError(QWidget* parent, const SettingsWriteError& error);

// A plain message box with the application's title and an OK button.
void ShowPlainMessage(QWidget* parent, const QString& text);
