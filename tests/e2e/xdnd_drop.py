#!/usr/bin/python3
"""xdnd_drop.py [--timeout S] [--at X,Y] WINDOW_ID PATH...

Drops PATHs onto the X window WINDOW_ID as a file manager would: an XDND
drag source that owns XdndSelection sends XdndEnter, XdndPosition and
XdndDrop to the window and hands over text/uri-list (file:// URIs, the
bytes of each path outside the URI's safe set percent-encoded) when asked.
Wine turns such a drop on one of its windows into WM_DROPFILES with the
paths as Z:\\ paths.

The X window must be the target Windows window's own: sent to Wine's
desktop window, the drop arrives in the desktop's process, not the
program's. The point dropped on is the window's centre, or X,Y inside it;
Wine finds the child window under it and walks up to one that accepts
dropped files.

Exit status: 0 dropped and finished; 2 bad arguments; 3 the window does not
take the drop (no XdndAware, or every XdndStatus refused it); 4 no answer in
time (no XdndStatus, or no XdndFinished after the drop); 5 no X display.
"""

import os
import select
import sys
import time
import urllib.parse

from Xlib import X, Xatom, display, error
from Xlib.protocol import event

XDND_VERSION = 5
# Wine asks for the data right after XdndEnter and waits only half a second
# for it, so the source must be answering selection requests by then.
POLL_SECONDS = 0.05


class Refused(Exception):
    pass


class NoAnswer(Exception):
    pass


def uri_list(paths):
    """The text/uri-list of PATHs: one file:// URI a line, CR LF after each."""
    lines = []
    for path in paths:
        raw = os.fsencode(os.path.abspath(path))
        lines.append(b"file://" + urllib.parse.quote_from_bytes(raw, safe="/").encode("ascii"))
    return b"".join(line + b"\r\n" for line in lines)


class DragSource:
    def __init__(self, disp, target, data, deadline):
        self.d = disp
        self.target = disp.create_resource_object("window", target)
        self.data = data
        self.deadline = deadline
        self.atom = lambda name: disp.intern_atom(name)
        self.uri_list_atom = self.atom("text/uri-list")
        root = disp.screen().root
        self.source = root.create_window(-10, -10, 1, 1, 0, X.CopyFromParent, X.InputOutput,
                                         X.CopyFromParent,
                                         event_mask=X.PropertyChangeMask)
        self.source.change_property(self.atom("XdndAware"), Xatom.ATOM, 32, [XDND_VERSION])
        self.timestamp = self.server_time()
        self.served = 0

    def server_time(self):
        # A property change brings a PropertyNotify with the server's time,
        # which the selection ownership and the messages carry.
        name = self.atom("_VYR_XDND_TIME")
        self.source.change_property(name, Xatom.STRING, 8, b"t")
        self.d.flush()
        while True:
            ev = self.next_event()
            if ev is None:
                raise NoAnswer("no PropertyNotify for our own window")
            if ev.type == X.PropertyNotify and ev.window.id == self.source.id:
                return ev.time
            self.handle(ev)

    def target_version(self):
        """The XDND version the target speaks; Refused when it speaks none."""
        prop = self.target.get_full_property(self.atom("XdndAware"), X.AnyPropertyType)
        if prop is None or len(prop.value) == 0:
            raise Refused("the window has no XdndAware property")
        return min(int(prop.value[0]), XDND_VERSION)

    def point(self, at):
        geometry = self.target.get_geometry()
        place = self.d.screen().root.translate_coords(self.target, 0, 0)
        x, y = at if at else (geometry.width // 2, geometry.height // 2)
        return place.x + x, place.y + y

    def send(self, name, data):
        ev = event.ClientMessage(window=self.target, client_type=self.atom(name),
                                 data=(32, (list(data) + [0] * 5)[:5]))
        self.target.send_event(ev, event_mask=0, propagate=False)
        self.d.flush()

    def next_event(self):
        """The next X event, or None once the deadline has passed."""
        while True:
            if self.d.pending_events():
                return self.d.next_event()
            left = self.deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([self.d], [], [], min(left, POLL_SECONDS))

    def handle(self, ev):
        """Answers a selection request; other events go by."""
        if ev.type != X.SelectionRequest:
            return
        prop = ev.property if ev.property != X.NONE else ev.target
        targets = self.atom("TARGETS")
        if ev.selection != self.atom("XdndSelection"):
            prop = X.NONE
        elif ev.target == self.uri_list_atom:
            ev.requestor.change_property(prop, self.uri_list_atom, 8, self.data)
            self.served += 1
        elif ev.target == targets:
            ev.requestor.change_property(prop, Xatom.ATOM, 32, [targets, self.uri_list_atom])
        else:
            prop = X.NONE
        reply = event.SelectionNotify(time=ev.time, requestor=ev.requestor,
                                      selection=ev.selection, target=ev.target, property=prop)
        ev.requestor.send_event(reply, event_mask=0, propagate=False)
        self.d.flush()

    def wait_for(self, name):
        """The next client message NAME from the target, serving requests meanwhile."""
        wanted = self.atom(name)
        while True:
            ev = self.next_event()
            if ev is None:
                raise NoAnswer("no %s from the window" % name)
            if ev.type == X.ClientMessage and ev.client_type == wanted:
                return ev.data[1]
            self.handle(ev)

    def drop(self, at):
        version = self.target_version()
        self.source.set_selection_owner(self.atom("XdndSelection"), self.timestamp)
        if self.d.get_selection_owner(self.atom("XdndSelection")).id != self.source.id:
            raise NoAnswer("could not own XdndSelection")
        src = self.source.id
        self.send("XdndEnter", [src, version << 24, self.uri_list_atom])
        x, y = self.point(at)
        action = self.atom("XdndActionCopy")
        # The target may not take the drop yet (it is still starting, say):
        # the position is sent again until it does or the time is up.
        accepted = False
        while not accepted:
            self.send("XdndPosition", [src, 0, (x << 16) | (y & 0xFFFF), self.timestamp, action])
            try:
                accepted = bool(self.wait_for("XdndStatus")[1] & 1)
            except NoAnswer:
                self.send("XdndLeave", [src])
                raise
            if not accepted:
                if time.monotonic() + 0.2 >= self.deadline:
                    self.send("XdndLeave", [src])
                    raise Refused("the window refused the drop at %d,%d" % (x, y))
                self.pause(0.2)
        self.send("XdndDrop", [src, 0, self.timestamp])
        self.wait_for("XdndFinished")
        if self.served == 0:
            raise NoAnswer("the window never asked for the dropped paths")

    def pause(self, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if self.d.pending_events():
                self.handle(self.d.next_event())
            else:
                select.select([self.d], [], [], POLL_SECONDS)

    def close(self):
        self.source.destroy()
        self.d.flush()


def parse(argv):
    timeout, at, rest = 30.0, None, list(argv)
    while rest and rest[0].startswith("--"):
        option = rest.pop(0)
        if option == "--timeout" and rest:
            timeout = float(rest.pop(0))
        elif option == "--at" and rest:
            x, y = rest.pop(0).split(",")
            at = (int(x), int(y))
        else:
            raise ValueError("unknown option " + option)
    if len(rest) < 2:
        raise ValueError("a window id and at least one path")
    return timeout, at, int(rest[0], 0), rest[1:]


def main(argv):
    try:
        timeout, at, window, paths = parse(argv)
    except ValueError as problem:
        print("xdnd_drop: %s\n%s" % (problem, __doc__.splitlines()[0]), file=sys.stderr)
        return 2
    try:
        disp = display.Display()
    except Exception as problem:  # noqa: BLE001 - any failure to connect
        print("xdnd_drop: no X display: %s" % problem, file=sys.stderr)
        return 5
    source = None
    try:
        source = DragSource(disp, window, uri_list(paths), time.monotonic() + timeout)
        source.drop(at)
        return 0
    except Refused as problem:
        print("xdnd_drop: %s" % problem, file=sys.stderr)
        return 3
    except (NoAnswer, error.BadWindow) as problem:
        print("xdnd_drop: %s" % (problem or "no such window"), file=sys.stderr)
        return 4
    finally:
        if source is not None:
            source.close()
        disp.close()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
