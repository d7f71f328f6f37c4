"""Prints how many rectangles make up a window's input shape (X Shape extension): 0 for a
window that takes no pointer input at all.

    python3 input_shape.py WINDOW-ID
"""
import ctypes
import ctypes.util
import sys

SHAPE_INPUT = 2


class Rectangle(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort)]


def main():
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    xext = ctypes.CDLL(ctypes.util.find_library("Xext"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xext.XShapeGetRectangles.restype = ctypes.POINTER(Rectangle)
    xext.XShapeGetRectangles.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                         ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
    display = x11.XOpenDisplay(None)
    if not display:
        print("no X display", file=sys.stderr)
        return 1
    count = ctypes.c_int(0)
    ordering = ctypes.c_int(0)
    rectangles = xext.XShapeGetRectangles(display, int(sys.argv[1], 0), SHAPE_INPUT, ctypes.byref(count),
                                          ctypes.byref(ordering))
    # A rectangle of no size takes no input either.
    print(sum(1 for i in range(count.value) if rectangles[i].width and rectangles[i].height))
    return 0


if __name__ == "__main__":
    sys.exit(main())
