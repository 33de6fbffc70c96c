#!/usr/bin/env python3
"""A GTK 3 window for the X11 tests, like zunt_drop_receiver: its left half takes drops of
URIs; each drop is appended to the output file as a line "DROP" and one line per local path
(the path's bytes), and the window's X id is written to the id file once it shows.
Usage: gtk_receiver.py --title T --out FILE --id-file FILE"""
import argparse
import os

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("Gdk", "3.0")
gi.require_version("GdkX11", "3.0")
from gi.repository import Gdk, GdkX11, GLib, Gtk  # noqa: E402,F401


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--title", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--id-file", required=True)
    args = parser.parse_args()

    window = Gtk.Window(title=args.title)
    window.set_default_size(300, 200)
    window.connect("destroy", Gtk.main_quit)
    halves = Gtk.Box(orientation=Gtk.Orientation.HORIZONTAL, homogeneous=True)
    target = Gtk.EventBox()
    target.drag_dest_set(Gtk.DestDefaults.ALL, [], Gdk.DragAction.COPY)
    target.drag_dest_add_uri_targets()

    def received(_widget, _context, _x, _y, data, _info, _time):
        record = b"DROP\n"
        for uri in data.get_uris():
            path, _host = GLib.filename_from_uri(uri)
            record += os.fsencode(path) + b"\n"
        with open(args.out, "ab") as out:
            out.write(record)

    target.connect("drag-data-received", received)
    halves.pack_start(target, True, True, 0)
    halves.pack_start(Gtk.EventBox(), True, True, 0)
    window.add(halves)
    window.show_all()

    # Written whole or not at all: the test reads it as soon as it appears.
    partial = args.id_file + ".part"
    with open(partial, "w") as out:
        out.write("%d\n" % window.get_window().get_xid())
    os.replace(partial, args.id_file)
    Gtk.main()


if __name__ == "__main__":
    main()
