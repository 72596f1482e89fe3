#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Runs a command on a fresh Xvfb server, with Qt's xcb platform.
exec "$(dirname "$0")/xvfb-session.sh" env QT_QPA_PLATFORM=xcb "$@"
