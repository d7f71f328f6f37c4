"""Starts Orca as /usr/bin/orca does, but with its debug file written line by line.

    orca_launcher.py ORCA-ARGUMENTS...

Orca opens the file given by --debug-file with Python's default buffering and so writes
it in blocks of several kilobytes: what it said would reach the file long after, or only
as it ends. The launcher gives Orca's own start-up code an open() that buffers by line.
"""

import builtins
import runpy
import sys


def line_buffered_open(file, mode="r", *args, **kwargs):
    if "w" in mode and not args and "buffering" not in kwargs:
        kwargs["buffering"] = 1
    return builtins.open(file, mode, *args, **kwargs)


main = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")["main"]
main.__globals__["open"] = line_buffered_open
sys.argv = ["orca"] + sys.argv[1:]
sys.exit(main())
