// What the program needs from the platform beyond widgets: the start, the
// user's number format, and what happens to an error no handler caught.
#pragma once

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace zerkovan {

// The decimal separator of the system locale, as UTF-8.
std::string DecimalSeparator();

// Runs a click handler. An error that escapes it is shown in a message box
// over window; the program stays open and keeps what the user typed.
void DeliverClick(QWidget *window, const std::function<void()> &handler);

// Starts the program: names it, opens the window that createWindow makes and
// runs the event loop until it is closed. Returns the exit code. Without a
// display it says so in one line on stderr and returns 1.
int RunProgram(int argc, char *argv[],
               const std::function<std::unique_ptr<QWidget>()> &createWindow);

// Sets the program's name, version, organisation and icon; RunProgram calls it.
void DescribeApplication();

} // namespace zerkovan
