#pragma once
// The commands that draw (print, render or open a window), known to the program before
// it loads the commands module: it starts reading the font configuration for them
// while the module loads. In step with each command's `needs` in SubCommands().
#include <QString>

// True for a command that needs more than the core application, and for the window
// (no command).
bool CommandDraws(const QString& command);
