#include "scene3d/materials/color.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "tests/scene3d/materials/materialtesting.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

bool SameColor(const TVector& A, const TVector& B)
{
    return A.X == B.X && A.Y == B.Y && A.Z == B.Z && A.W == B.W;
}

TEST(Color, StartsBlackOrAtTheGivenColour)
{
    const T3DColor black(nullptr);
    EXPECT_TRUE(SameColor(black.Color(), {0, 0, 0, 1}));
    const T3DColor grey(nullptr, ColorDiffuseGrey, nullptr);
    EXPECT_EQ(grey.Red(), 0.8f);
    EXPECT_EQ(grey.Alpha(), 1);
}

// A change reaches an owning scene object as a list invalidation first,
// then as a change; the colour's own event comes last.
TEST(Color, WhatAChangeTellsItsSceneObject)
{
    struct TCase {
        std::string Name;
        std::function<void(T3DColor&)> Change;
        bool Told;
    };
    const TCase cases[] = {
        {"the same colour set again", [](T3DColor& C) { C.SetColor(C.Color()); }, true},
        {"a new colour", [](T3DColor& C) { C.SetColor({1, 0.5f, 0, 1}); }, true},
        {"red to its own value", [](T3DColor& C) { C.SetRed(C.Red()); }, false},
        {"alpha to its own value", [](T3DColor& C) { C.SetAlpha(C.Alpha()); }, false},
        {"blue to another value", [](T3DColor& C) { C.SetBlue(0.25f); }, true},
        {"assigned from another colour", [](T3DColor& C) { C.Assign(std::make_unique<T3DColor>(nullptr).get()); },
         true},
        {"set silently", [](T3DColor& C) { C.SetColorSilently({1, 1, 1, 1}); }, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TSceneObjectSpy spy(nullptr);
        spy.Color()->SetOnChange([&spy](TObject*) { spy.Log.push_back("colour event"); });
        c.Change(*spy.Color());
        if (c.Told)
            EXPECT_THAT(spy.Heard(), ElementsAre("list invalidated", "changed", "colour event"));
        else
            EXPECT_THAT(spy.Heard(), IsEmpty());
    }
}

TEST(Color, AColourWithoutOwnerStaysSilent)
{
    int events = 0;
    T3DColor lonely(nullptr, ColorBlack, [&events](TObject*) { ++events; });
    lonely.SetColor({1, 0, 0, 1});
    lonely.SetGreen(1);
    lonely.Assign(&lonely);
    EXPECT_EQ(events, 0);
    EXPECT_TRUE(SameColor(lonely.Color(), {1, 1, 0, 1}));
    EXPECT_THROW(lonely.SetComponent(4, 1), EAssertionFailed);
    TSceneObjectSpy spy(nullptr);
    EXPECT_THROW(lonely.Assign(&spy), EConvertError);
}

TEST(Color, StoredAsOneSixteenByteBlock)
{
    TSceneObjectSpy spy(nullptr);
    spy.SetName("Lamp");
    spy.Color()->SetColorSilently({1, 0.5f, 0, 0.25f});
    const std::string text = WriteComponentToText(spy);
    EXPECT_NE(text.find("  Color.Color = {\n    0000803F0000003F000000000000803E}"), std::string::npos) << text;
    EXPECT_EQ(text.find("Color.Red"), std::string::npos) << text;

    TSceneObjectSpy back(nullptr);
    ReadComponentFromText(back, text, "lamp");
    EXPECT_TRUE(SameColor(back.Color()->Color(), {1, 0.5f, 0, 0.25f}));
    ReadComponentFromText(back, "object Lamp: TSceneObjectSpy\n  Color.Green = 1\nend\n", "lamp");
    EXPECT_EQ(back.Color()->Green(), 1);
}

TEST(Color, ABlockOfAnotherSizeIsRefused)
{
    for (const char* block : {"{0000803F0000803F0000803F}", "{0000803F0000803F0000803F0000803F00}", "{}"}) {
        TSceneObjectSpy spy(nullptr);
        const std::string text = std::string("object Lamp: TSceneObjectSpy\n  Color.Color = ") + block + "\nend\n";
        EXPECT_THROW(ReadComponentFromText(spy, text, "lamp"), EReadError) << block;
        EXPECT_TRUE(SameColor(spy.Color()->Color(), ColorBlack)) << block;
    }
}

} // namespace
