#include "scene3d/context/formatrequest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "scene3d/opengl/openglapi.h"
#include "tests/scene3d/context/contexttesting.h"

namespace {

using ::testing::ElementsAreArray;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

// "c32 d32 s4 hw": colour and depth bits, samples when asked, acceleration.
std::string Describe(const T3DFormatRequest& Request)
{
    std::ostringstream text;
    text << 'c' << Request.ColorBits << " d" << Request.DepthBits;
    if (Request.Samples)
        text << " s" << *Request.Samples;
    text << (Request.Accelerated ? " hw" : " any");
    return text.str();
}

struct TRelaxationCase {
    const char* Name;
    T3DFormatRequest Request;
    std::function<bool(const T3DFormatRequest&)> Offered;   // what the fake display has
    std::vector<std::string> Asked;
    std::optional<std::string> Chosen;
};

TEST(FormatRelaxation, AsksStepByStepUntilSomethingMatches)
{
    T3DFormatRequest deep32;
    deep32.DepthBits = 32;
    deep32.Samples = 4;
    T3DFormatRequest plain;
    plain.ColorBits = 32;
    plain.DepthBits = 24;
    const TRelaxationCase cases[] = {
        {"depth 32 on a display with 24 and no multisampling", deep32,
         [](const T3DFormatRequest& r) { return r.DepthBits <= 24 && !r.Samples; },
         {"c32 d32 s4 hw", "c32 d32 hw", "c32 d24 hw"}, "c32 d24 hw"},
        {"16 bits of colour and depth only", deep32,
         [](const T3DFormatRequest& r) { return r.DepthBits <= 16 && r.ColorBits <= 16; },
         {"c32 d32 s4 hw", "c32 d32 hw", "c32 d24 hw", "c32 d16 hw", "c16 d16 hw"}, "c16 d16 hw"},
        {"software configs only", plain, [](const T3DFormatRequest& r) { return !r.Accelerated; },
         {"c32 d24 hw", "c32 d16 hw", "c16 d16 hw", "c32 d24 any"}, "c32 d24 any"},
        {"nothing at all", plain, [](const T3DFormatRequest&) { return false; },
         {"c32 d24 hw", "c32 d16 hw", "c16 d16 hw", "c32 d24 any"}, std::nullopt},
        {"matched at once", plain, [](const T3DFormatRequest&) { return true; }, {"c32 d24 hw"}, "c32 d24 hw"},
    };
    for (const TRelaxationCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<std::string> asked;
        const std::optional<T3DFormatRequest> chosen = ChooseWithRelaxation(c.Request, [&](const T3DFormatRequest& r) {
            asked.push_back(Describe(r));
            return c.Offered(r);
        });
        EXPECT_THAT(asked, ElementsAreArray(c.Asked));
        EXPECT_EQ(chosen ? std::optional(Describe(*chosen)) : std::nullopt, c.Chosen);
    }
}

struct TBufferBits {
    GLint Red, Green, Blue, Alpha, Depth, Stencil, SampleBuffers;
    bool operator==(const TBufferBits&) const = default;
};

std::ostream& operator<<(std::ostream& Out, const TBufferBits& Bits)
{
    return Out << Bits.Red << '-' << Bits.Green << '-' << Bits.Blue << '-' << Bits.Alpha << " depth " << Bits.Depth
               << " stencil " << Bits.Stencil << " sample buffers " << Bits.SampleBuffers;
}

GLint Integer(GLenum Name)
{
    GLint value = -1;
    GL.glGetIntegerv(Name, &value);
    return value;
}

struct TFormatCase {
    const char* Name;
    std::function<void(T3DContext&)> Format;
    TBufferBits Expected;
};

using ContextFormats = ContextTest;

TEST_F(ContextFormats, TheBufferHasTheBitsAskedFor)
{
    const TFormatCase cases[] = {
        {"32 with alpha, depth and stencil",
         [](T3DContext& c) {
             c.SetAlphaBits(8);
             c.SetDepthBits(24);
             c.SetStencilBits(8);
         },
         {8, 8, 8, 8, 24, 8, 0}},
        {"16 bits: 5-6-5", [](T3DContext& c) {
             c.SetColorBits(16);
             c.SetDepthBits(16);
         },
         {5, 6, 5, 0, 16, 0, 0}},
        {"24 bits: 8-8-8 without 10-bit channels", [](T3DContext& c) { c.SetColorBits(24); }, {8, 8, 8, 0, 0, 0, 0}},
        {"64 bits: float channels of 16", [](T3DContext& c) {
             c.SetColorBits(64);
             c.SetAlphaBits(16);
         },
         {16, 16, 16, 16, 0, 0, 0}},
        {"4x anti-aliasing", [](T3DContext& c) { c.SetAntiAliasing(aa4x); }, {8, 8, 8, 0, 0, 0, 1}},
        {"no anti-aliasing", [](T3DContext& c) { c.SetAntiAliasing(aaNone); }, {8, 8, 8, 0, 0, 0, 0}},
    };
    for (const TFormatCase& c : cases) {
        SCOPED_TRACE(c.Name);
        T3DContext& context = NewMemoryContext(c.Format);
        context.Activate();
        const TBufferBits bits = {Integer(GL_RED_BITS),   Integer(GL_GREEN_BITS),   Integer(GL_BLUE_BITS),
                                  Integer(GL_ALPHA_BITS), Integer(GL_DEPTH_BITS),   Integer(GL_STENCIL_BITS),
                                  Integer(GL_SAMPLE_BUFFERS)};
        context.Deactivate();
        EXPECT_EQ(bits, c.Expected);
    }
}

TEST_F(ContextFormats, APbufferFormatNothingMatchesIsRefused)
{
    T3DContext& context = NewContext();
    const auto create = [&](int BufferCount) { context.CreateMemoryContext(0, Width, Height, BufferCount); };
    EXPECT_THAT([&] { create(2); }, ThrowsMessage<Exception>(StrEq("Format not supported for pbuffer operation.")));
    context.SetStencilBits(64);
    EXPECT_THAT([&] { create(1); }, ThrowsMessage<Exception>(StrEq("Format not supported for pbuffer operation.")));
    EXPECT_FALSE(context.HasNativeContext());
    EXPECT_EQ(ContextManager()->CreatedCount(), 0);
}

} // namespace
