#!/usr/bin/env python3
"""The menu a StatusNotifier item publishes (com.canonical.dbusmenu), read and used as a
panel that shows it does: prints its entries, one a line ("5 設定", "-" for a
separator), or clicks the entry with the given label.

    dbus_menu.py SERVICE PATH [--click LABEL]
"""

import argparse
import sys
import time

import dbus

MENU = "com.canonical.dbusmenu"


def entries(menu):
    menu.AboutToShow(dbus.Int32(0), dbus_interface=MENU)
    _, (_, _, children) = menu.GetLayout(dbus.Int32(0), dbus.Int32(-1), dbus.Array([], signature="s"),
                                         dbus_interface=MENU)
    for child in children:
        entry_id, properties, _ = child
        if properties.get("visible", True):
            yield (int(entry_id), "-" if properties.get("type") == "separator" else str(properties.get("label", "")))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("service")
    parser.add_argument("path")
    parser.add_argument("--click")
    arguments = parser.parse_args()

    menu = dbus.SessionBus().get_object(arguments.service, arguments.path)
    if arguments.click is None:
        for entry_id, label in entries(menu):
            print("-" if label == "-" else f"{entry_id} {label}")
        return 0
    for entry_id, label in entries(menu):
        if label == arguments.click:
            menu.Event(dbus.Int32(entry_id), "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(int(time.time())),
                       dbus_interface=MENU)
            return 0
    print(f"no entry {arguments.click}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
