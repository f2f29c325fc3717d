#pragma once

#include <QString>
#include <functional>

// The desktop shell's "open" verb. By default it hands the file to the desktop's associated
// program (xdg-open); its result is not reported. Tests replace it to see what was passed.

using ShellOpenHandler = std::function<void(const QString& fileName)>;

// Opens fileName, relative to the current directory, with its associated program.
void shellOpen(const QString& fileName);

// Routes every later shellOpen to handler and returns the handler it replaces. An empty handler
// restores the desktop default.
ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler);
