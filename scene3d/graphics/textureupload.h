#pragma once
// The size at which a bitmap goes into a texture object.

struct TTextureSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TTextureSize&) const = default;
};

// Width and Height, each rounded up to a power of two unless NonPowerOfTwo
// (the implementation takes any size), then limited to MaxTextureSize.
TTextureSize TextureUploadSize(int Width, int Height, bool NonPowerOfTwo, int MaxTextureSize);
