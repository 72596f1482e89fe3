#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Drives the program on an X server the way a user does, from outside it,
# the Qt window and the Windows one alike: the window opens with its caption
# in both title properties, typing "4" and pressing «Изведи» shows the worked
# example (read back through the clipboard), a key typed right behind
# Shift+Tab lands, Enter in the input box displays, Ctrl+V and Shift+Insert
# paste no more than the box admits, a click right behind Tab puts the caret
# where it falls, and closing the window ends the program.
#   usage: xvfb-session.sh check-x11-program.sh PROGRAM [ARGUMENTS...]
set -u
caption='www.dorvelan.example  Дорвелан'
expected=$'1\n2 2\n3 4 3\n4 6 6 4\nЧислото 4 се среща в ред 3'
failed=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failed=1; }
[ -n "${DISPLAY:-}" ] || { fail "no X display: run through xvfb-session.sh"; exit 1; }

"$@" &
program=$!
window=
# A 32-bit Windows program under emulation takes up to a minute or two to start.
for _ in $(seq 3000); do
    window=$(xdotool search --onlyvisible --name "^${caption//./\\.}\$" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 $program 2>/dev/null || break
    sleep 0.1
done
if [ -z "$window" ]; then
    fail "no window titled '$caption' appeared"
    kill $program 2>/dev/null
    exit 1
fi
pass "the window opened"

for property in _NET_WM_NAME WM_NAME; do
    value=$(LC_ALL=C.UTF-8 xprop -id "$window" "$property" | sed -n 's/^[^"]*"\(.*\)"$/\1/p')
    [ "$value" = "$caption" ] && pass "$property is the caption" ||
        fail "$property is '$value', not '$caption'"
done

# Focus starts in the task statement; Tab leads to the input box, the output
# box and the display button in turn.
keys() { xdotool key --clearmodifiers --delay 50 "$@"; }
# What Ctrl+A and Ctrl+C copy of the focused box, waited for a while when it
# is not yet EXPECTED. The clipboard is emptied first, so that a copy that
# has not come yet is never taken for an earlier one. xclip stays behind to
# serve the empty clipboard until the program takes it: it must not hold
# the output that $(copied ...) waits to close, or a program that never
# copies would stall the check instead of failing it.
# Keys wait in the program's queue in the order sent, so nothing waits
# between them; on a busy machine the program may take a while to get
# through them, so the copy is asked for again now and then.
copied() { # EXPECTED
    for _ in $(seq 15); do
        printf '' | xclip -i -selection clipboard >/dev/null
        keys ctrl+a ctrl+c
        for _ in $(seq 20); do
            got=$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r')
            [ "$got" = "$1" ] && break 2
            sleep 0.1
        done
    done
    echo "$got"
}
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
keys Tab
xdotool type --delay 50 4
keys Tab Tab space
keys shift+Tab
shown=$(copied "$expected")
[ "$shown" = "$expected" ] && pass "typing 4 and pressing «Изведи» shows the worked example" ||
    fail "the output box shows '$shown'"

# A key sent right behind Shift+Tab, as on-screen keyboards and fast typists
# send it, replaces the input box's text: "42" becomes "5", every time. The
# program is paused while the keys are sent, so that both wait in its queue,
# as they do whenever it is busy: the pointer's place asked for last, on the
# same connection, answers once the X server has queued them for it.
keys shift+Tab End
xdotool type --delay 50 2
keys Tab
# The window's own process: under Wine, not the command that started it.
owner=$(xdotool getwindowpid "$window" 2>/dev/null) || owner=$program
kept=0
for try in 1 2 3 4 5 6; do
    kill -STOP "$owner"
    xdotool key --delay 0 shift+Tab 5 getmouselocation >/dev/null
    kill -CONT "$owner"
    got=$(copied 5)
    [ "$got" = 5 ] && kept=$((kept + 1)) || echo "try $try: the input box holds '$got'"
    keys End
    xdotool type --delay 50 2
    keys Tab
done
[ $kept -eq 6 ] && pass "a key sent with Shift+Tab replaces the input box's text, 6 times of 6" ||
    fail "a key sent with Shift+Tab replaced the input box's text $kept times of 6"

# Enter in the input box displays, as «Изведи» does.
keys shift+Tab ctrl+a
xdotool type --delay 50 6
keys Return Tab
six=$'1\n2 2\n3 4 3\n4 6 6 4\n5 8 9 8 5\n6 10 12 12 10 6\nЧислото 6 се среща в ред 4'
got=$(copied "$six")
[ "$got" = "$six" ] && pass "Enter in the input box displays" || fail "after Enter the output box shows '$got'"

# Pastes keep what the box admits: two characters, beside what it holds.
keys shift+Tab
printf 123 | xclip -i -selection clipboard
keys ctrl+a ctrl+v
got=$(copied 12)
[ "$got" = 12 ] && pass "Ctrl+V of 123 leaves 12" || fail "Ctrl+V of 123 left '$got'"
keys End BackSpace
printf 9 | xclip -i -selection clipboard
keys shift+Insert
got=$(copied 19)
[ "$got" = 19 ] && pass "Shift+Insert of 9 beside 1 leaves 19" || fail "Shift+Insert of 9 left '$got'"

# A click sent right behind Tab, both waiting in the program's queue, puts
# the caret where it falls, at the input box's left edge: nothing stays
# selected, and Delete takes the first character only. At 96 dpi the box
# stands at (112, 40), 105 x 27 pixels.
keys ctrl+a
xdotool type --delay 50 12
keys shift+Tab
kill -STOP "$owner"
xdotool key --delay 0 Tab mousemove --window "$window" 115 53 click 1 getmouselocation >/dev/null
kill -CONT "$owner"
keys Delete
got=$(copied 2)
[ "$got" = 2 ] && pass "a click right behind Tab puts the caret where it falls, nothing selected" ||
    fail "after Tab, a click at the start and Delete, the input box holds '$got'"

# What a window manager sends when its close button is pressed.
/usr/bin/python3 - "$window" <<'PYTHON'
import sys
from Xlib import X, display, protocol
d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1]))
message = protocol.event.ClientMessage(
    window=window, client_type=d.intern_atom("WM_PROTOCOLS"),
    data=(32, [d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
window.send_event(message, event_mask=X.NoEventMask)
d.flush()
PYTHON
for _ in $(seq 600); do
    kill -0 $program 2>/dev/null || break
    sleep 0.1
done
if kill -0 $program 2>/dev/null; then
    fail "the program still runs after its window was closed"
    kill $program
else
    wait $program
    status=$?
    [ $status -eq 0 ] && pass "closing the window ended the program" ||
        fail "the program ended with status $status"
fi
exit $failed
