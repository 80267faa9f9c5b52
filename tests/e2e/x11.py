"""X11 requests xdotool does not make: "close WINDOW" sends the window manager's close (WM_DELETE_WINDOW);
"elsewhere SECONDS" lets another window take the keyboard focus and keep it that long; "letters TEXT" gives every
letter of TEXT outside ASCII a key of its own in the keyboard map, so that xdotool can type it without lending it a
key for one press (a program that reads the map a moment late would see the key's old letter, or none)."""
import ctypes, os, sys, time

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XCreateSimpleWindow.restype = ctypes.c_ulong
x11.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                    ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
x11.XMapRaised.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
x11.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
x11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
x11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.POINTER(ctypes.c_ulong),
                                       ctypes.c_int]
x11.XFree.argtypes = [ctypes.c_void_p]


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(XEvent)]
display = x11.XOpenDisplay(None)
if sys.argv[1] == "close":
    window = int(sys.argv[2])
    event = XEvent()
    event.xclient.type = 33  # ClientMessage
    event.xclient.window = window
    event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.xclient.format = 32
    event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XFlush(display)
elif sys.argv[1] == "letters":
    low, high, per = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
    x11.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
    count = high.value - low.value + 1
    table = x11.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per))
    rows = [[table[code * per.value + i] for i in range(per.value)] for code in range(count)]
    x11.XFree(table)
    mapped = {sym for row in rows for sym in row}
    free = [low.value + code for code, row in enumerate(rows) if not any(row)]
    for letter in sorted(set(os.fsencode(sys.argv[2]).decode("utf-8"))):
        sym = ord(letter) if ord(letter) < 0x100 else 0x1000000 + ord(letter)
        if ord(letter) < 0x80 or sym in mapped:
            continue
        both = (ctypes.c_ulong * 2)(sym, sym)
        x11.XChangeKeyboardMapping(display, free.pop(), 2, both, 1)
    x11.XSync(display, 0)
else:
    window = x11.XCreateSimpleWindow(display, x11.XDefaultRootWindow(display), 900, 700, 100, 100, 0, 0, 0)
    x11.XMapRaised(display, window)
    x11.XSync(display, 0)
    time.sleep(0.3)
    x11.XSetInputFocus(display, window, 1, 0)  # RevertToPointerRoot, CurrentTime
    x11.XSync(display, 0)
    time.sleep(float(sys.argv[2]))
x11.XCloseDisplay(display)
