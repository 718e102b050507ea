// The form's storage interceptor: stored placement scaled from the stored
// pixels per inch to the screen's, the active control, and a screen-centred
// form keeping a stored position.
#include <gtest/gtest.h>

#include "dbgrid/core/propfilerlt.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "tests/platform/ui/controltesting.h"

TEST(ScaleStoredValue, ScalesByTheResolutionsAndSkipsAMissingOne)
{
    struct TCase {
        int Value, Stored, Screen, Expected;
    };
    const TCase cases[] = {
        {400, 96, 120, 500}, {75, 96, 96, 75}, {-10, 96, 192, -20}, {101, 192, 96, 51},
        {400, 0, 120, 400},  {400, -96, 120, 400},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Value) + " at " + std::to_string(c.Stored));
        EXPECT_EQ(ScaleStoredValue(c.Value, c.Stored, c.Screen), c.Expected);
    }
}

namespace {

// The form interceptor is registered when the library loads.
struct FormInterceptor : ::testing::Test {
    FormInterceptor() { TestApplication(); }
};

class TPlainFormInterceptor : public TStoragePropertyInterceptor {
    LT_CLASS(TPlainFormInterceptor)
public:
    using TStoragePropertyInterceptor::TStoragePropertyInterceptor;
};

std::string FormText(const std::string& Properties)
{
    return "object frmStored: TForm\n" + Properties +
           "  object edtName: TEdit\n    Left = 8\n    Top = 8\n    Width = 100\n    Height = 21\n  end\nend\n";
}

} // namespace

LT_IMPLEMENT_CLASS(TPlainFormInterceptor, TStoragePropertyInterceptor) {}

TEST_F(FormInterceptor, IsRegisteredForFormsAndALaterRegistrationReplacesIt)
{
    TForm form(nullptr);
    const auto classOf = [&] {
        const auto interceptor = CreatePropertyInterceptor(&form);
        return interceptor ? &interceptor->ClassType() : nullptr;
    };
    EXPECT_EQ(classOf(), &TFormStoragePropertyInterceptor::StaticClassInfo());
    RegisterPropertyInterceptor<TCustomForm, TPlainFormInterceptor>();
    EXPECT_EQ(classOf(), &TPlainFormInterceptor::StaticClassInfo());
    // Removing a pair that is not registered changes nothing.
    UnregisterPropertyInterceptor<TCustomForm, TFormStoragePropertyInterceptor>();
    EXPECT_EQ(classOf(), &TPlainFormInterceptor::StaticClassInfo());
    RegisterPropertyInterceptor<TCustomForm, TFormStoragePropertyInterceptor>();
    EXPECT_EQ(classOf(), &TFormStoragePropertyInterceptor::StaticClassInfo());
}

TEST_F(FormInterceptor, RestoresTheStoredPlacementAtTheScreensResolution)
{
    const int screen = Screen->PixelsPerInch();
    TForm form(nullptr);
    ReadComponentFromText(form,
                          FormText("  Left = 100\n  Top = 60\n  Width = 400\n  Height = 300\n  PixelsPerInch = " +
                                   std::to_string(2 * screen) +
                                   "\n  Position = poScreenCenter\n  ActiveControl = edtName\n"),
                          "stored");
    EXPECT_EQ(form.BoundsRect(), (TRect{50, 30, 250, 180}));
    EXPECT_EQ(form.Position(), poDesigned);
    EXPECT_EQ(form.ActiveControl(), form.FindComponent("edtName"));
}

TEST_F(FormInterceptor, LeavesWhatWasNotStoredAlone)
{
    struct TCase {
        std::string Properties;
        TPosition Position;
    };
    const TCase cases[] = {
        // No resolution stored: no scaling.
        {"  Left = 100\n  Top = 60\n  Width = 400\n  Height = 300\n  PixelsPerInch = 0\n  Position = poDesktopCenter\n",
         poDesigned},
        // Only a size: the form stays centred.
        {"  Width = 400\n  Height = 300\n  Position = poScreenCenter\n", poScreenCenter},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Properties);
        TForm form(nullptr);
        const TRect before = form.BoundsRect();
        ReadComponentFromText(form, FormText(c.Properties), "stored");
        EXPECT_EQ(form.Width(), 400);
        EXPECT_EQ(form.Height(), 300);
        EXPECT_EQ(form.Left(), c.Position == poDesigned ? 100 : before.Left);
        EXPECT_EQ(form.Position(), c.Position);
    }

    // A client size stored without Width and Height is not overwritten.
    TForm form(nullptr);
    ReadComponentFromText(form, FormText("  Left = 10\n  ClientWidth = 333\n  ClientHeight = 222\n"), "stored");
    EXPECT_EQ(form.ClientWidth(), 333);
    EXPECT_EQ(form.ClientHeight(), 222);
    EXPECT_EQ(form.Left(), 10);
}

TEST_F(FormInterceptor, WhatIsWrittenReadsBackAsTheSameForm)
{
    struct TCase {
        std::string Properties;
        TPosition Position;
        bool PositionWritten;
    };
    const TCase cases[] = {
        // A centred form is placed when shown: no position to store.
        {"  Position = poScreenCenter\n", poScreenCenter, false},
        {"  Width = 400\n  Height = 300\n  Position = poDesktopCenter\n", poDesktopCenter, false},
        // A stored position makes it a designed form, written with it.
        {"  Left = 100\n  Top = 60\n  Position = poScreenCenter\n", poDesigned, true},
        {"  Left = 100\n  Top = 60\n", poDesigned, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Properties);
        TForm form(nullptr);
        ReadComponentFromText(form, FormText(c.Properties), "stored");
        const std::string written = WriteComponentToText(form);
        SCOPED_TRACE(written);
        EXPECT_EQ(written.find("\n  Left = ") != std::string::npos, c.PositionWritten);
        EXPECT_EQ(written.find("\n  Top = ") != std::string::npos, c.PositionWritten);

        TForm again(nullptr);
        ReadComponentFromText(again, written, "written");
        EXPECT_EQ(again.Position(), c.Position);
        EXPECT_EQ(again.BoundsRect(), form.BoundsRect());
        EXPECT_EQ(WriteComponentToText(again), written);
    }
}
