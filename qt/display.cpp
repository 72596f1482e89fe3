// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "display.h"

#include <QString>

namespace zerkovan {

namespace {

std::string quoted(const char *variable)
{
    return '"' + qEnvironmentVariable(variable).toStdString() + '"';
}

} // namespace

std::string NoDisplayReason()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
#endif
    return {};
}

std::string UnreachableDisplayReason()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return "the platform " + quoted("QT_QPA_PLATFORM") + " could not be started";
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const std::string waylandDisplay = "Wayland display " + quoted("WAYLAND_DISPLAY");
    const std::string x11Display = "X display " + quoted("DISPLAY");
    if (wayland && x11)
        return "neither " + waylandDisplay + " nor " + x11Display + " is reachable";
    if (wayland)
        return waylandDisplay + " is not reachable";
    if (x11)
        return x11Display + " is not reachable";
    return "no display could be opened";
}

} // namespace zerkovan
