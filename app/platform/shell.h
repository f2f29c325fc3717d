// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// The desktop shell's default action. By default it hands a file name, or an address with a
// scheme such as "http://host" or "Mailto:name@host", to the desktop's associated program
// (xdg-open); its result is not reported. Tests replace it to see what was passed.

using ShellOpenHandler = std::function<void(const QString& target)>;

// Opens target with its associated program: an address with a scheme as it is, anything else
// as a file name relative to the current directory.
void shellOpen(const QString& target);

// Routes every later shellOpen to handler and returns the handler it replaces. An empty handler
// restores the desktop default.
ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler);
