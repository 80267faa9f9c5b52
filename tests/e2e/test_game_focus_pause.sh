#!/usr/bin/env bash
# A level pauses when its window loses the keyboard focus: the pause picture shows, the clock stops and stays
# stopped until Space, then runs on.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"

make_workdir --copy-base
rm -f "$WORK"/base/savegames/*.sav
CLOCK=120x50+0+537   # the seconds left, bottom left

# focus_elsewhere SECONDS: another window takes the keyboard focus and keeps it that long.
focus_elsewhere() {
  python3 - "$1" <<'PY' &
import ctypes, sys, time
x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XCreateSimpleWindow.restype = ctypes.c_ulong
x11.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                    ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
x11.XMapRaised.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
display = x11.XOpenDisplay(None)
window = x11.XCreateSimpleWindow(display, x11.XDefaultRootWindow(display), 900, 700, 100, 100, 0, 0, 0)
x11.XMapRaised(display, window)
x11.XSync(display, 0)
time.sleep(0.3)
x11.XSetInputFocus(display, window, 1, 0)  # RevertToPointerRoot, CurrentTime
x11.XSync(display, 0)
time.sleep(float(sys.argv[1]))
PY
  FOCUS_PID=$!
}

start_app
wait_window
focus_app
sleep 2
play_first_slot
wait_for "the save file" 20 test -s "$WORK/base/savegames/000.sav"
sleep 1.5
clock=$(window_crop_sum "$CLOCK")
wait_crop_change "$CLOCK" "$clock" 5 "the clock to run"
playing=$(window_crop_sum "$OVERLAY_SPOT")

focus_elsewhere 6
wait_crop_change "$OVERLAY_SPOT" "$playing" 5 "the pause picture"
paused_clock=$(window_crop_sum "$CLOCK")
sleep 2.5
[ "$(window_crop_sum "$CLOCK")" = "$paused_clock" ] || fail "the clock ran on with the window in the background"
wait "$FOCUS_PID" || true

# Back in front, Space carries on and the clock runs again.
focus_app
sleep 0.3
key space
wait_crop_change "$CLOCK" "$paused_clock" 5 "the clock to run again"
key Escape
sleep 1
key Up Return   # Play -> Exit
expect_exit 0
pass
