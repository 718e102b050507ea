#pragma once
// The buffer format a context asks the window system for, and the order in
// which a request that nothing matches is relaxed.
#include <functional>
#include <optional>

class T3DContext;

struct T3DFormatRequest {
    bool Window = false;   // drawn into a window, else into a pbuffer
    int ColorBits = 32;    // 16: 5-6-5; 24 and 32: 8-8-8; 64: 16 bits a component; 128: 32 bits
    bool FloatComponents = false;   // asked for with 64 or 128 colour bits
    int AlphaBits = 0;     // at least; 0 asks none
    int DepthBits = 0;     // at least
    int StencilBits = 0;   // at least
    // Multisampling: nothing asked, 0 (no sample buffers) or at least 2 or 4
    // samples.
    std::optional<int> Samples;
    bool Accelerated = true;   // only configs without a caveat (not slow)

    bool operator==(const T3DFormatRequest&) const = default;
};

// The request for the context's format properties: float components for
// 64 or 128 colour bits. Accumulation bits, auxiliary buffers and stereo
// have no counterpart in EGL and are left out.
T3DFormatRequest FormatRequestFor(const T3DContext& Context, bool Window);

// Asks for a config; true when one matched.
using T3DConfigChooser = std::function<bool(const T3DFormatRequest& Request)>;

// Asks for the request, then, while nothing matches, for relaxed ones, each
// step keeping the ones before: without the multisampling keys; depth bits
// above 31 as 24; depth bits above 23 as 16; colour bits above 23 as 16;
// finally the colour and depth bits as asked but without the acceleration
// key. A step that changes nothing is not asked. Returns the request that
// matched, or nothing.
std::optional<T3DFormatRequest> ChooseWithRelaxation(const T3DFormatRequest& Request,
                                                     const T3DConfigChooser& Chooser);
