#pragma once
// Fixtures of the scene buffer tests: a scene owned by a stand-in form, with
// a camera at the origin looking along -Z, and a buffer of 64 x 64 pixels on
// a pbuffer (frames never swapped) looking through that camera. The objects
// are the render tests' unit squares facing +Z.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/geometry/vectorcompare.h"
#include "tests/scene3d/render/rendertesting.h"

inline constexpr int BufferSize = 64;

// Whether A and B are the same matrix, row by row within the vectors'
// tolerance.
inline bool SameMatrix(const TMatrix& A, const TMatrix& B)
{
    for (std::size_t row = 0; row < 4; ++row)
        if (!VectorEquals(A[row], B[row]))
            return false;
    return true;
}

// A buffer of BufferSize x BufferSize pixels with a memory context, looking through
// Camera when given.
std::unique_ptr<T3DSceneBuffer> NewMemoryBuffer(TComponent* Owner, T3DCamera* Camera);

class BufferTest : public ::testing::Test {
protected:
    static constexpr int Size = BufferSize;

    void SetUp() override;
    void TearDown() override;

    // A square in Colour under Parent (the object root when nullptr) at
    // (0, 0, Z), drawn from a display list.
    TDrawnObject* Square(const std::string& Name, float Z, TVector Colour, T3DBaseSceneObject* Parent = nullptr);
    // The frame of Buffer (the fixture's when nullptr), bottom row first.
    std::vector<TRGBA> Frame(T3DSceneBuffer* Buffer = nullptr);
    TRGBA Centre(T3DSceneBuffer* Buffer = nullptr) { return Pixel(Frame(Buffer), Size / 2, Size / 2); }
    TRGBA Corner(T3DSceneBuffer* Buffer = nullptr) { return Pixel(Frame(Buffer), 0, 0); }
    static TRGBA Pixel(const std::vector<TRGBA>& Frame, int X, int Y)
    {
        return Frame[static_cast<std::size_t>(Y * Size + X)];
    }

    std::unique_ptr<TComponent> FOwner = std::make_unique<TComponent>(nullptr);
    T3DScene* FScene = new T3DScene(FOwner.get());
    T3DCamera* FCamera = nullptr;
    std::unique_ptr<T3DSceneBuffer> FBuffer;
    std::vector<std::string> FLog;
};
