#include "scene3d/context/formatrequest.h"

#include "scene3d/context/context.h"

T3DFormatRequest FormatRequestFor(const T3DContext& Context, bool Window)
{
    T3DFormatRequest request;
    request.Window = Window;
    request.ColorBits = Context.ColorBits();
    request.FloatComponents = Context.ColorBits() == 64 || Context.ColorBits() == 128;
    request.AlphaBits = Context.AlphaBits();
    request.DepthBits = Context.DepthBits();
    request.StencilBits = Context.StencilBits();
    switch (Context.AntiAliasing()) {
    case aaDefault: break;
    case aaNone: request.Samples = 0; break;
    case aa2x:
    case aa2xHQ: request.Samples = 2; break;
    case aa4x:
    case aa4xHQ: request.Samples = 4; break;
    }
    return request;
}

std::optional<T3DFormatRequest> ChooseWithRelaxation(const T3DFormatRequest& Request,
                                                     const T3DConfigChooser& Chooser)
{
    T3DFormatRequest asked = Request;
    if (Chooser(asked))
        return asked;
    // Applies a relaxation and asks again when it changed the request.
    const auto relaxed = [&](auto Relax) {
        T3DFormatRequest next = asked;
        Relax(next);
        if (next == asked)
            return false;
        asked = next;
        return Chooser(asked);
    };
    if (relaxed([](T3DFormatRequest& r) { r.Samples.reset(); }) ||
        relaxed([](T3DFormatRequest& r) { r.DepthBits = r.DepthBits > 31 ? 24 : r.DepthBits; }) ||
        relaxed([](T3DFormatRequest& r) { r.DepthBits = r.DepthBits > 23 ? 16 : r.DepthBits; }) ||
        relaxed([](T3DFormatRequest& r) { r.ColorBits = r.ColorBits > 23 ? 16 : r.ColorBits; }) ||
        relaxed([&Request](T3DFormatRequest& r) {
            r.ColorBits = Request.ColorBits;
            r.DepthBits = Request.DepthBits;
            r.Accelerated = false;
        }))
        return asked;
    return std::nullopt;
}
