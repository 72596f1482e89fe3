#!/usr/bin/env bash
# Runs a command on a fresh Xvfb server, with Qt's xcb platform.
exec "$(dirname "$0")/xvfb-session.sh" env QT_QPA_PLATFORM=xcb "$@"
