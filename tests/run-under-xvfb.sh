#!/usr/bin/env bash
# Runs a command on a fresh Xvfb server, with Qt's xcb platform.
command -v xvfb-run >/dev/null || { echo "FAIL: Xvfb is not installed (package xvfb)"; exit 1; }
exec xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb "$@"
