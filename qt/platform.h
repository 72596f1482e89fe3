// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What the program needs from the platform beyond widgets: the start, and
// what happens to an error no handler caught (and, in platform.cpp, the
// user's number format).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QWidget;

namespace zerkovan {

// Runs a click handler. An error that escapes it is shown with
// ShowRunErrorBox, and the program stays open and keeps what the user typed.
void DeliverClick(QWidget *window, const std::function<void()> &handler);

// Tells the user, in a message box over window, that a click failed and why.
void ShowRunErrorBox(QWidget *window, std::string_view message);

// The decimal separator of the system's locale, UTF-8.
std::string SystemDecimalSeparator();

// Starts the program: prepares the application, opens the window that
// createWindow makes and runs the event loop until it is closed. Returns the
// exit code. Without a display it says so in one line on stderr and returns 1.
int RunProgram(int argc, char *argv[],
               const std::function<std::unique_ptr<QWidget>()> &createWindow);

// Everything RunProgram sets up once the application object stands: the
// program's name, version and organisation, the toolkit's own texts in
// Bulgarian, and what assistive tools are told.
void PrepareApplication();

// Loads the toolkit's Bulgarian texts (context menus, message box buttons)
// whatever the system locale. Returns false, and changes nothing, where the
// translation is not installed.
bool InstallToolkitTranslation();

} // namespace zerkovan
