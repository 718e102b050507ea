#pragma once
// Points, sizes and rectangles in pixels; a rectangle holds Left and Top and
// excludes Right and Bottom.
#include <algorithm>

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const TSize&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    bool operator==(const TRect&) const = default;
};

inline TPoint Point(int X, int Y) { return {X, Y}; }
inline TRect Rect(int Left, int Top, int Right, int Bottom) { return {Left, Top, Right, Bottom}; }
inline TRect Bounds(int Left, int Top, int Width, int Height) { return {Left, Top, Left + Width, Top + Height}; }
inline bool IsRectEmpty(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }
inline bool PtInRect(const TRect& R, const TPoint& P)
{
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}
inline void OffsetRect(TRect& R, int DX, int DY)
{
    R.Left += DX;
    R.Right += DX;
    R.Top += DY;
    R.Bottom += DY;
}
inline void InflateRect(TRect& R, int DX, int DY)
{
    R.Left -= DX;
    R.Right += DX;
    R.Top -= DY;
    R.Bottom += DY;
}
// The common part; false (and an empty rectangle) when they do not meet.
inline bool IntersectRect(TRect& Dest, const TRect& A, const TRect& B)
{
    Dest = {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom)};
    if (IsRectEmpty(Dest)) {
        Dest = {};
        return false;
    }
    return true;
}
inline bool UnionRect(TRect& Dest, const TRect& A, const TRect& B)
{
    if (IsRectEmpty(A)) {
        Dest = B;
    } else if (IsRectEmpty(B)) {
        Dest = A;
    } else {
        Dest = {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right), std::max(A.Bottom, B.Bottom)};
    }
    return !IsRectEmpty(Dest);
}
