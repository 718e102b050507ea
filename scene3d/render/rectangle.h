#pragma once
// An area of a viewport in pixels: its left and top edge, width and height.

struct TRectangle {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};
