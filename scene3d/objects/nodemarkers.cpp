#include "scene3d/objects/nodemarkers.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/opengl/openglapi.h"

namespace {

using TPentagon = std::array<TAffineVector, 5>;

// The twelve faces of the dodecahedron with unit circumradius, each with its
// corners in turn around the face. The face centres point to the corners of
// the icosahedron, (0, ±1, ±φ) and its cyclic shifts; a face's corners are
// the five dodecahedron corners nearest to its centre direction.
std::array<TPentagon, 12> DodecahedronFaces()
{
    const float phi = (1 + std::sqrt(5.0f)) / 2;
    std::array<TAffineVector, 20> corners;
    std::size_t n = 0;
    for (const float a : {-1.0f, 1.0f})
        for (const float b : {-1.0f, 1.0f}) {
            for (const float c : {-1.0f, 1.0f})
                corners[n++] = {a, b, c};
            corners[n++] = {0, a / phi, b * phi};
            corners[n++] = {a / phi, b * phi, 0};
            corners[n++] = {a * phi, 0, b / phi};
        }
    const float radius = std::sqrt(3.0f);
    for (TAffineVector& corner : corners)
        corner = VectorScale(corner, 1 / radius);

    std::array<TPentagon, 12> faces;
    std::size_t f = 0;
    for (const float a : {-1.0f, 1.0f})
        for (const float b : {-1.0f, 1.0f})
            for (const TAffineVector& centre :
                 {TAffineVector{0, a, b * phi}, TAffineVector{a, b * phi, 0}, TAffineVector{b * phi, 0, a}}) {
                const TAffineVector normal = VectorNormalize(centre);
                std::array<TAffineVector, 20> nearest = corners;
                std::partial_sort(nearest.begin(), nearest.begin() + 5, nearest.end(),
                                  [&](const TAffineVector& p, const TAffineVector& q) {
                                      return VectorDotProduct(p, normal) > VectorDotProduct(q, normal);
                                  });
                // Counter-clockwise seen from outside: by the angle about the
                // normal, measured in the face's plane from the first corner.
                const TAffineVector first =
                    VectorSubtract(nearest[0], VectorScale(normal, VectorDotProduct(nearest[0], normal)));
                const TAffineVector side = VectorCrossProduct(normal, first);
                const auto angle = [&](const TAffineVector& p) {
                    return std::atan2(VectorDotProduct(p, side), VectorDotProduct(p, first));
                };
                std::sort(nearest.begin(), nearest.begin() + 5,
                          [&](const TAffineVector& p, const TAffineVector& q) { return angle(p) < angle(q); });
                std::copy(nearest.begin(), nearest.begin() + 5, faces[f++].begin());
            }
    return faces;
}

} // namespace

void DrawCubeMarker(float Size)
{
    const float h = Size / 2;
    // Per axis the two faces, each as four corners counter-clockwise from outside.
    static constexpr int Faces[6][4][3] = {
        {{1, -1, -1}, {1, 1, -1}, {1, 1, 1}, {1, -1, 1}},     {{-1, -1, -1}, {-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}},
        {{-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}, {1, 1, -1}},     {{-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}},
        {{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}},     {{-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}, {1, -1, -1}},
    };
    GL.glBegin(GL_QUADS);
    for (const auto& face : Faces)
        for (const auto& corner : face)
            GL.glVertex3f(corner[0] * h, corner[1] * h, corner[2] * h);
    GL.glEnd();
}

void DrawDodecahedronMarker(float Size)
{
    static const std::array<TPentagon, 12> faces = DodecahedronFaces();
    const float r = Size / 2;
    for (const TPentagon& face : faces) {
        GL.glBegin(GL_POLYGON);
        for (const TAffineVector& corner : face)
            GL.glVertex3f(corner.X * r, corner.Y * r, corner.Z * r);
        GL.glEnd();
    }
}
