#!/usr/bin/env bash
# Runs a test on a fresh Xvfb server with Qt's xcb platform.
# Exit 77 tells CTest the test was skipped.
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "SKIP: Xvfb is not installed (package xvfb); the real-screen check did not run"
    exit 77
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb "$@"
