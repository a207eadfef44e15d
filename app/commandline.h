#pragma once

#include <optional>

class QApplication;

// The program's options: --help and --version, besides Qt's own.

// Answers --help and --version before any window system is reached, so that
// scripts and packagers can ask without a display. Returns the exit code
// when the program should end at once.
std::optional<int> AnswerInformationOptions(int& argc, char** argv);

// Once the application has taken its own options out of the arguments,
// anything left that the program does not know is an error.
std::optional<int> RejectUnknownOptions(const QApplication& app);
