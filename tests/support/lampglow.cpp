#include "tests/support/lampglow.h"

#include <QImage>

#include <algorithm>
#include <cmath>

#include "scene3d/materials/material.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureimage.h"

void WriteLampGlow(const std::string& FileName)
{
    constexpr int size = 32;
    QImage glow(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double r = std::hypot(x + 0.5 - size / 2.0, y + 0.5 - size / 2.0) / (size / 2.0);
            const int level = static_cast<int>(255 * std::max(0.0, 1 - r * r));
            glow.setPixel(x, y, qRgb(level, level, level));
        }
    glow.save(QString::fromStdString(FileName), "BMP");
}

void SetLampGlow(T3DMaterial& Material, const std::string& FileName)
{
    Material.Texture()->Image()->LoadFromFile(FileName);
    Material.Texture()->SetDisabled(false);
    Material.Texture()->SetImageAlpha(tiaLuminance);
    Material.Texture()->SetTextureMode(tmModulate);
    Material.SetBlendingMode(bmAdditive);
}
