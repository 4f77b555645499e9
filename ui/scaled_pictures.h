// The pictures of a dialog, fitted to their frames at the display's scale.
#pragma once

#include <windows.h>

#include "framework/handles.h"

// Where the template places a picture: x, y, width and height in dialog units, border included.
struct PictureFrame {
    int X, Y, Width, Height;
};

// At the scale its bitmap was drawn for, the picture of `control` fills its `frame` of `dialog`, less the
// border, as it is, and nothing is done. At any other, the drawing `art` of `instance`'s resources, made
// twice as large, is resampled to that size and shown instead; the control, which takes the size of its
// picture, fills its frame again. Gives the new picture, which the control shows but does not free (null
// when none was needed or it could not be made).
BitmapHandle FitPictureToFrame(HINSTANCE instance, HWND dialog, HWND control, PictureFrame frame, UINT art);
