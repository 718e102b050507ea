#pragma once
// The lists of 32-bit integers, 32-bit floats and bytes.
#include <cstdint>

#include "scene3d/lists/baselist.h"

class TIntegerList : public TBaseList {
    LT_CLASS(TIntegerList)
public:
    TIntegerList();

    int Add(int32_t Item);
    // Both or all three, growing by the delta as often as needed; the index
    // of the first.
    int Add(int32_t Item1, int32_t Item2);
    int Add(int32_t Item1, int32_t Item2, int32_t Item3);
    int32_t Items(int Index) const { return List()[Index]; }
    void SetItems(int Index, int32_t Value) { List()[Index] = Value; }
    int32_t* List() { return TypedItems<int32_t>(); }
    const int32_t* List() const { return TypedItems<int32_t>(); }
};

class TSingleList : public TBaseList {
    LT_CLASS(TSingleList)
public:
    TSingleList();

    int Add(float Item);
    float Items(int Index) const { return List()[Index]; }
    void SetItems(int Index, float Value) { List()[Index] = Value; }
    float* List() { return TypedItems<float>(); }
    const float* List() const { return TypedItems<float>(); }
};

class TByteList : public TBaseList {
    LT_CLASS(TByteList)
public:
    TByteList();

    int Add(uint8_t Item);
    uint8_t Items(int Index) const { return List()[Index]; }
    void SetItems(int Index, uint8_t Value) { List()[Index] = Value; }
    uint8_t* List() { return TypedItems<uint8_t>(); }
    const uint8_t* List() const { return TypedItems<uint8_t>(); }
};
