#!/usr/bin/env python3
"""A StatusNotifier watcher and host on the session bus, as a panel runs them, for the
end-to-end test of the clock's icon: items register with it and it keeps them until
their connection goes. It prints each event as a line ("item :1.7", "gone :1.7").

    status_notifier_watcher.py [--host-after SECONDS]

With --host-after the host comes that many seconds after the watcher, as a panel that
starts after the desktop's watcher service does.
"""

import argparse
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"
PATH = "/StatusNotifierWatcher"
PROPERTIES = "org.freedesktop.DBus.Properties"

# A proxy of Qt's reads a property only when the introspection data declares it.
INTROSPECTION = f"""<!DOCTYPE node PUBLIC "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="{WATCHER}">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
    <signal name="StatusNotifierHostUnregistered"/>
  </interface>
  <interface name="{PROPERTIES}">
    <method name="Get">
      <arg name="interface" type="s" direction="in"/><arg name="name" type="s" direction="in"/>
      <arg name="value" type="v" direction="out"/>
    </method>
    <method name="GetAll">
      <arg name="interface" type="s" direction="in"/><arg name="values" type="a{{sv}}" direction="out"/>
    </method>
  </interface>
  <interface name="org.freedesktop.DBus.Introspectable">
    <method name="Introspect"><arg name="data" type="s" direction="out"/></method>
  </interface>
</node>
"""


def say(line):
    print(line, flush=True)


class Watcher(dbus.service.Object):
    def __init__(self, bus, host_registered):
        super().__init__(bus, PATH)
        self.bus = bus
        self.items = []
        self.host_registered = host_registered
        bus.add_signal_receiver(self.owner_changed, signal_name="NameOwnerChanged",
                                dbus_interface="org.freedesktop.DBus")

    @dbus.service.method("org.freedesktop.DBus.Introspectable", out_signature="s")
    def Introspect(self):
        return INTROSPECTION

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # A bus name, or an object path on the caller's connection.
        item = sender + service if service.startswith("/") else service
        if item not in self.items:
            self.items.append(item)
            say(f"item {item}")
            self.StatusNotifierItemRegistered(item)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        self.register_host()

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, item):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemUnregistered(self, item):
        pass

    @dbus.service.signal(WATCHER, signature="")
    def StatusNotifierHostRegistered(self):
        pass

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.GetAll(interface)[name]

    @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        if interface != WATCHER:
            raise dbus.exceptions.DBusException("no such interface",
                                                name="org.freedesktop.DBus.Error.UnknownInterface")
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(self.host_registered),
            "ProtocolVersion": dbus.Int32(0),
        }

    def register_host(self):
        if not self.host_registered:
            self.host_registered = True
            say("host")
            self.StatusNotifierHostRegistered()
        return False

    def owner_changed(self, name, old_owner, new_owner):
        if new_owner:
            return
        for item in [item for item in self.items if item.split("/")[0] in (name, old_owner)]:
            self.items.remove(item)
            say(f"gone {item}")
            self.StatusNotifierItemUnregistered(item)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--host-after", type=float, default=0)
    arguments = parser.parse_args()

    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    watcher = Watcher(bus, host_registered=arguments.host_after == 0)
    name = dbus.service.BusName(WATCHER, bus, do_not_queue=True)  # held while the loop runs
    say("watching")
    if arguments.host_after:
        GLib.timeout_add(int(arguments.host_after * 1000), watcher.register_host)
    loop = GLib.MainLoop()
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, 15, loop.quit)
    loop.run()


if __name__ == "__main__":
    sys.exit(main())
