#!/usr/bin/env python3
"""Binds characters to keycodes of the X display and leaves them bound, so that
`xdotool key` can press them as ordinary keys.

xdotool types a character the keyboard lacks by binding it to a scratch
keycode, pressing it and unbinding it at once, and it reuses that keycode for
the next such character. Wine looks a keycode up only when it gets round to
the event, often after the binding has changed, and the character is lost or
becomes the next one. Here each character gets a keycode of its own that stays
bound.

Wine gives each such keycode one of its few spare virtual-key codes, in
keycode order, and a key without one types nothing; so only the lowest SLOTS
spare keycodes are used (VYR_E2E_KEYMAP_SLOTS, default 16; 19 worked with
Wine 8 on Xvfb's keyboard). When they are all taken the one bound longest ago
is taken back, after a pause that lets Wine read the key presses made with it.

    keymap.py bind TEXT...   binds what is missing and prints, for each
                             character of the texts in order, the keysym name
                             to give to `xdotool key`

The spare keycodes are the unused ones and those of multimedia keys (XF86
symbols), which no test presses. VYR_E2E_KEYMAP_STATE names a file that keeps
our keycodes, oldest binding first, across calls. Exit status 3 when one call
needs more distinct characters than there are slots.
"""
import ctypes
import ctypes.util
import os
import sys
import time

NO_SYMBOL = 0


def keysym_of(ch):
    code = ord(ch)
    if ch in "\t\n":
        return {"\t": 0xFF09, "\n": 0xFF0D}[ch]  # Tab, Return
    # Latin-1 keysyms are the code points themselves; everything else has the
    # Unicode form 0x01000000 + code point, which Xlib and Wine both know.
    return code if 0x20 <= code <= 0x7E or 0xA0 <= code <= 0xFF else 0x01000000 + code


def load_x11():
    x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
    x.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int,
                                      ctypes.POINTER(ctypes.c_int)]
    x.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                         ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
    x.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                   ctypes.POINTER(ctypes.c_int)]
    x.XKeysymToString.restype = ctypes.c_char_p
    x.XKeysymToString.argtypes = [ctypes.c_ulong]
    x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x.XFree.argtypes = [ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return x


def main(argv):
    if len(argv) < 2 or argv[0] != "bind":
        print(__doc__, file=sys.stderr)
        return 64
    text = "".join(argv[1:])
    x = load_x11()
    display = x.XOpenDisplay(os.environ.get("DISPLAY", "").encode())
    if not display:
        print("keymap.py: cannot open display %r" % os.environ.get("DISPLAY"), file=sys.stderr)
        return 2

    state_path = os.environ.get("VYR_E2E_KEYMAP_STATE", "")
    ours = []
    if state_path and os.path.exists(state_path):
        with open(state_path) as state:
            ours = [int(word) for word in state.read().split()]

    low, high = ctypes.c_int(), ctypes.c_int()
    x.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
    count = high.value - low.value + 1
    per = ctypes.c_int()
    table = x.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per))
    keycode_of = {}   # symbol -> keycode that gives it at level 1 or 2
    symbol_of = {}    # our keycode -> its symbol
    unused, multimedia = [], []
    for i in range(count):
        keycode = low.value + i
        syms = [table[i * per.value + j] for j in range(per.value)]
        if keycode in ours:
            symbol_of[keycode] = syms[0]
            keycode_of.setdefault(syms[0], keycode)
        elif all(sym == NO_SYMBOL for sym in syms):
            unused.append(keycode)
        elif all(sym == NO_SYMBOL or 0x1008FF00 <= sym <= 0x1008FFFF for sym in syms):
            multimedia.append(keycode)
        else:
            for sym in syms[:2]:
                if sym != NO_SYMBOL:
                    keycode_of.setdefault(sym, keycode)
    x.XFree(table)
    ours = [keycode for keycode in ours if keycode in symbol_of]
    slots = int(os.environ.get("VYR_E2E_KEYMAP_SLOTS", "16"))
    free = sorted(unused + multimedia)[:max(0, slots - len(ours))]
    paused = False

    needed = {keysym_of(ch) for ch in text}
    names = []
    for ch in text:
        sym = keysym_of(ch)
        if sym not in keycode_of:
            if free:
                keycode = free.pop(0)
            else:
                # The oldest binding that this text does not need itself.
                keycode = next((k for k in ours if symbol_of[k] not in needed), None)
                if keycode is None:
                    print("keymap.py: more distinct characters than %d slots" % slots, file=sys.stderr)
                    return 3
                ours.remove(keycode)
                del keycode_of[symbol_of[keycode]]
                if not paused:
                    time.sleep(1.0)
                    paused = True
            # One symbol only: Wine reads nothing from a keycode bound to the
            # same symbol on two levels.
            syms = (ctypes.c_ulong * 1)(sym)
            x.XChangeKeyboardMapping(display, keycode, 1, syms, 1)
            keycode_of[sym] = keycode
            symbol_of[keycode] = sym
            ours.append(keycode)
        name = x.XKeysymToString(sym)
        names.append(name.decode() if name else "0x%x" % sym)
    x.XSync(display, 0)
    x.XCloseDisplay(display)
    if state_path:
        with open(state_path, "w") as state:
            state.write(" ".join(str(keycode) for keycode in ours) + "\n")
    print(" ".join(names))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
