// The data-aware check box: states set from code and posted, the user's
// toggles by mouse and Space, read-only and disabled boxes, the states a
// client dataset's Boolean, string and integer fields show and take, the
// flat ring, the caption's side and focus rectangle, its description.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QTest>

#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/dbcheckboxlt.h"
#include "platform/data/clientdataset.h"
#include "platform/data/fields.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "tests/dbcontrols/tablefields.h"
#include "tests/platform/ui/controltesting.h"

namespace {

class CheckBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetColor(clBtnFace);
        Box = new TDBCheckBoxLt(Form.get());
        Box->SetParent(Form.get());
        Box->SetBounds(10, 10, 120, 17);
        Box->SetCaption("Канал");
        Box->SetOnClick([this](TObject*) { Clicks.push_back(Box->State()); });
        Other = new TEdit(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(10, 50, 100, 21);
    }

    void ShowWithFocusOn(TWinControl* Control)
    {
        ShowForm(*Form, 300, 100);
        Control->SetFocus();
        QApplication::processEvents();
        ASSERT_TRUE(Control->Focused());
    }

    void ClickBox() { QTest::mouseClick(Box->Widget(), Qt::LeftButton, {}, QPoint(5, 8)); }
    void PressSpace()
    {
        QTest::keyPress(Box->Widget(), Qt::Key_Space);
        QTest::keyRelease(Box->Widget(), Qt::Key_Space);
    }
    Variant Unbound() const { return Box->FieldLink()->UnboundValue(); }

    std::vector<TCheckBoxState> Clicks;   // outlives the form
    std::unique_ptr<TForm> Form;
    TDBCheckBoxLt* Box = nullptr;
    TEdit* Other = nullptr;
};

TEST_F(CheckBox, StartsUncheckedHoldingFalse)
{
    EXPECT_EQ(Box->State(), cbUnchecked);
    EXPECT_EQ(Unbound().VarType(), TVarType::varBoolean);
    EXPECT_FALSE(Unbound().AsBoolean());
    const auto fresh = std::make_unique<TDBCheckBoxLt>(nullptr);
    EXPECT_EQ(fresh->Width(), 97);
    EXPECT_EQ(fresh->Height(), 17);
    EXPECT_TRUE(fresh->TabStop());
}

TEST_F(CheckBox, StateSetFromCodeClicksOncePerChangeAndPostsAtOnce)
{
    Box->SetChecked(true);
    EXPECT_EQ(Clicks, (std::vector<TCheckBoxState>{cbChecked}));
    EXPECT_TRUE(Unbound().AsBoolean());
    Box->SetChecked(true);
    EXPECT_EQ(Clicks.size(), 1u) << "no change, no click";

    Box->SetState(cbGrayed);
    EXPECT_TRUE(Unbound().IsNull());
    Box->SetState(cbUnchecked);
    EXPECT_EQ(Unbound().VarType(), TVarType::varBoolean);
    EXPECT_FALSE(Unbound().AsBoolean());
    EXPECT_EQ(Clicks, (std::vector<TCheckBoxState>{cbChecked, cbGrayed, cbUnchecked}));
    EXPECT_FALSE(Box->Modified());
}

TEST_F(CheckBox, UnboundValuesShowTheirState)
{
    struct TCase {
        Variant Value;
        TCheckBoxState Expected;
    };
    const TCase cases[] = {{Variant(true), cbChecked}, {Variant(false), cbUnchecked}, {Variant(-1), cbChecked},
                           {Variant(0), cbUnchecked},  {Variant::Null(), cbGrayed},   {Variant("maybe"), cbGrayed}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Value.IsNull() ? std::string("Null") : c.Value.AsString());
        Box->FieldLink()->PostValue(c.Value);
        EXPECT_EQ(Box->State(), c.Expected);
    }
}

TEST_F(CheckBox, AFailingPostShowsTheLinkValueAgainAndRaises)
{
    Box->SetOnUpdateData([](TObject*, bool&) { throw Exception("refused"); });
    EXPECT_THROW(Box->SetChecked(true), Exception);
    EXPECT_EQ(Box->State(), cbUnchecked);
    EXPECT_FALSE(Unbound().AsBoolean());
    EXPECT_FALSE(Box->Posting());
}

TEST_F(CheckBox, AHandledUpdateIsNotPosted)
{
    Box->SetOnUpdateData([](TObject*, bool& Handled) { Handled = true; });
    Box->SetChecked(true);
    EXPECT_FALSE(Unbound().AsBoolean());
    EXPECT_TRUE(Box->Checked());
}

struct TCycleCase {
    const char* Name;
    bool AllowGrayed;
    bool UseSpace;
    std::vector<TCheckBoxState> Expected;
};

void PrintTo(const TCycleCase& Case, std::ostream* Out)
{
    *Out << Case.Name;
}

class CheckBoxCycle : public CheckBox, public ::testing::WithParamInterface<TCycleCase> {};

TEST_P(CheckBoxCycle, UserTogglesStepThroughTheStatesWithoutPosting)
{
    const TCycleCase& c = GetParam();
    Box->SetAllowGrayed(c.AllowGrayed);
    ShowWithFocusOn(Box);
    for (std::size_t i = 0; i < c.Expected.size(); ++i) {
        c.UseSpace ? PressSpace() : ClickBox();
        EXPECT_EQ(Box->State(), c.Expected[i]) << "toggle " << i;
    }
    EXPECT_EQ(Clicks, c.Expected) << "every change is a click";
    EXPECT_FALSE(Unbound().AsBoolean()) << "toggling does not post";
    EXPECT_FALSE(Box->SpacePressed());
    Other->SetFocus();
    QApplication::processEvents();
    const TCheckBoxState last = c.Expected.back();
    if (last == cbGrayed)
        EXPECT_TRUE(Unbound().IsNull());
    else
        EXPECT_EQ(Unbound().AsBoolean(), last == cbChecked) << "leaving posts";
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CheckBoxCycle,
    ::testing::Values(TCycleCase{"ClickGrayed", true, false, {cbGrayed, cbChecked, cbUnchecked, cbGrayed}},
                      TCycleCase{"ClickTwoStates", false, false, {cbChecked, cbUnchecked, cbChecked}},
                      TCycleCase{"SpaceGrayed", true, true, {cbGrayed, cbChecked, cbUnchecked, cbGrayed}},
                      TCycleCase{"SpaceTwoStates", false, true, {cbChecked, cbUnchecked, cbChecked}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(CheckBox, ReadOnlyOrDisabledBoxesDoNotToggle)
{
    struct TCase {
        const char* Name;
        bool ReadOnly;
        bool Enabled;
        bool UseSpace;
    };
    const TCase cases[] = {{"read-only click", true, true, false},
                           {"read-only space", true, true, true},
                           {"disabled click", false, false, false}};
    ShowWithFocusOn(Box);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Box->SetReadOnly(c.ReadOnly);
        Box->SetEnabled(c.Enabled);
        c.UseSpace ? PressSpace() : ClickBox();
        EXPECT_EQ(Box->State(), cbUnchecked);
        Box->SetEnabled(true);
        Box->SetReadOnly(false);
    }
    EXPECT_TRUE(Clicks.empty());
    Box->SetFocus();
    ClickBox();
    EXPECT_EQ(Box->State(), cbChecked) << "writable again";
}

TEST_F(CheckBox, APressOutsideOrCancelledMakesNoToggle)
{
    ShowWithFocusOn(Box);
    QTest::mousePress(Box->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    QTest::mouseRelease(Box->Widget(), Qt::LeftButton, {}, QPoint(5, 40));
    EXPECT_EQ(Box->State(), cbUnchecked) << "released outside";
    QTest::mousePress(Box->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    Box->Perform(WM_CANCELMODE);
    QTest::mouseRelease(Box->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(Box->State(), cbUnchecked) << "cancelled";
    EXPECT_TRUE(Clicks.empty());
}

TEST_F(CheckBox, AClickTakesTheFocusFirstAndEscRevertsTheToggle)
{
    ShowWithFocusOn(Other);
    ClickBox();
    EXPECT_TRUE(Box->Focused());
    EXPECT_EQ(Box->State(), cbChecked);
    EXPECT_TRUE(Box->Modified());
    EXPECT_EQ(Box->Perform(CM_WANTSPECIALKEY, VK_ESCAPE), 1) << "Esc is wanted while modified";
    QTest::keyClick(Box->Widget(), Qt::Key_Escape);
    EXPECT_EQ(Box->State(), cbUnchecked);
    EXPECT_EQ(Box->Perform(CM_WANTSPECIALKEY, VK_ESCAPE), 0);
    EXPECT_EQ(Clicks, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked}));
}

TEST_F(CheckBox, TheCaptionAcceleratorFocusesAndToggles)
{
    Box->SetCaption("&Lamp");
    ShowWithFocusOn(Other);
    QTest::keyClick(Form->Widget(), Qt::Key_L, Qt::AltModifier);
    EXPECT_TRUE(Box->Focused());
    EXPECT_EQ(Box->State(), cbChecked);
}

// ---- bound to a client dataset ------------------------------------------

class BoundCheckBox : public CheckBox {
protected:
    void SetUp() override
    {
        CheckBox::SetUp();
        Table = new TClientDataSet(Form.get());
        Flag = AddTableField<TBooleanField>(Table, "FLAG");
        Answer = AddTableField<TStringField>(Table, "ANSWER", 8);
        Level = AddTableField<TIntegerField>(Table, "LEVEL");
        Table->CreateDataSet();
        Table->Append();
        Table->Post();
        Source = new TDataSource(Form.get());
        Source->SetDataSet(Table);
        Box->SetDataSource(Source);
    }

    void SetRow(const char* FieldName, const Variant& Value)
    {
        Table->Edit();
        Table->FieldByName(FieldName)->SetValue(Value);
        Table->Post();
    }

    TClientDataSet* Table = nullptr;
    TBooleanField* Flag = nullptr;
    TStringField* Answer = nullptr;
    TIntegerField* Level = nullptr;
    TDataSource* Source = nullptr;
};

TEST_F(BoundCheckBox, FieldValuesShowTheirState)
{
    Box->SetValueChecked("Y;Yes;1");
    Box->SetValueUnchecked("N;No;0");
    struct TCase {
        const char* Field;
        Variant Value;
        TCheckBoxState Expected;
    };
    const TCase cases[] = {
        {"FLAG", Variant(true), cbChecked},      {"FLAG", Variant(false), cbUnchecked},
        {"FLAG", Variant::Null(), cbGrayed},     {"ANSWER", Variant("yes"), cbChecked},
        {"ANSWER", Variant("n"), cbUnchecked},   {"ANSWER", Variant("maybe"), cbGrayed},
        {"ANSWER", Variant::Null(), cbGrayed},   {"LEVEL", Variant(1), cbChecked},
        {"LEVEL", Variant(0), cbUnchecked},      {"LEVEL", Variant(5), cbGrayed},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Field) + " " + (c.Value.IsNull() ? "Null" : c.Value.AsString()));
        Box->SetDataField(c.Field);
        SetRow(c.Field, c.Value);
        EXPECT_EQ(Box->State(), c.Expected);
        EXPECT_FALSE(Box->Modified());
    }
}

TEST_F(BoundCheckBox, ChangedValueListsShowTheFieldAnew)
{
    Box->SetDataField("ANSWER");
    SetRow("ANSWER", Variant("ja"));
    EXPECT_EQ(Box->State(), cbGrayed);
    Box->SetValueChecked("Ja;Y");
    EXPECT_EQ(Box->State(), cbChecked);
    Box->SetValueUnchecked("ja");
    EXPECT_EQ(Box->State(), cbChecked) << "checked texts are asked first";
}

TEST_F(BoundCheckBox, StatesSetFromCodeWriteTheField)
{
    Box->SetValueChecked("Y;Yes");
    Box->SetValueUnchecked("N;No");
    struct TCase {
        const char* Field;
        TCheckBoxState State;
        const char* Expected;   // the field's text; nullptr: Null
    };
    const TCase cases[] = {
        {"FLAG", cbChecked, "True"},  {"FLAG", cbUnchecked, "False"}, {"FLAG", cbGrayed, nullptr},
        {"ANSWER", cbChecked, "Y"},   {"ANSWER", cbUnchecked, "N"},   {"ANSWER", cbGrayed, nullptr},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Field) + " " + std::to_string(c.State));
        Box->SetDataField(c.Field);
        const bool flag = std::string(c.Field) == "FLAG";
        SetRow(c.Field, c.State != cbGrayed ? Variant::Null() : flag ? Variant(true) : Variant("Y"));
        Box->SetState(c.State);
        EXPECT_EQ(Table->State(), dsEdit);
        const TField* field = Table->FieldByName(c.Field);
        if (c.Expected)
            EXPECT_EQ(field->AsString(), c.Expected);
        else
            EXPECT_TRUE(field->IsNull());
        Table->Post();
    }
}

TEST_F(BoundCheckBox, AnIntegerFieldTakesTheFirstTextOfTheList)
{
    Box->SetValueChecked("1;-1");
    Box->SetValueUnchecked("0");
    Box->SetDataField("LEVEL");
    Box->SetChecked(true);
    EXPECT_EQ(Level->AsInteger(), 1);
    Box->SetChecked(false);
    EXPECT_EQ(Level->AsInteger(), 0);
}

TEST_F(BoundCheckBox, AClickEditsTheRecordAndLeavingWritesTheField)
{
    Box->SetDataField("FLAG");
    SetRow("FLAG", Variant(false));
    ShowWithFocusOn(Box);
    ClickBox();
    EXPECT_EQ(Table->State(), dsEdit);
    EXPECT_TRUE(Box->Checked());
    EXPECT_FALSE(Flag->AsBoolean()) << "not yet written";
    Other->SetFocus();
    QApplication::processEvents();
    EXPECT_TRUE(Flag->AsBoolean());
    Table->Post();
    EXPECT_TRUE(Flag->AsBoolean());
}

TEST_F(BoundCheckBox, PostingTheRecordTakesAToggledValue)
{
    Box->SetDataField("ANSWER");
    SetRow("ANSWER", Variant("False"));
    ShowWithFocusOn(Box);
    PressSpace();
    Table->Post();
    EXPECT_EQ(Answer->AsString(), "True");
}

TEST_F(BoundCheckBox, AReadOnlyLinkLeavesTheRecordAlone)
{
    Box->SetDataField("FLAG");
    SetRow("FLAG", Variant(false));
    Box->SetReadOnly(true);
    ShowWithFocusOn(Box);
    ClickBox();
    PressSpace();
    EXPECT_EQ(Table->State(), dsBrowse);
    EXPECT_FALSE(Box->Checked());
}

TEST_F(BoundCheckBox, AFailingSaveOnLeavingKeepsTheFocus)
{
    Box->SetDataField("FLAG");
    SetRow("FLAG", Variant(false));
    ShowWithFocusOn(Box);
    ClickBox();
    Box->SetOnUpdateData([](TObject*, bool&) { throw Exception("refused"); });
    std::vector<std::string> shown;
    TApplication::SetMessageBoxHook([&](const std::string& Text, const std::string&, unsigned) {
        shown.push_back(Text);
        return IDOK;
    });
    Other->SetFocus();
    QApplication::processEvents();
    TApplication::SetMessageBoxHook(nullptr);
    EXPECT_TRUE(Box->Focused());
    EXPECT_EQ(shown, (std::vector<std::string>{"refused"}));
}

// ---- painting -----------------------------------------------------------

class CheckBoxLook : public CheckBox {
protected:
    void SetUp() override
    {
        CheckBox::SetUp();
        Themes = ButtonThemesEnabled();
        SetButtonThemesEnabled(false);
    }
    void TearDown() override { SetButtonThemesEnabled(Themes); }

    TRect CheckRect() const
    {
        TRect check, caption;
        Box->GetLayout(check, caption);
        return check;
    }
    bool Themes = true;
};

TEST_F(CheckBoxLook, TheFlatRingShowsOnlyWhileTheBorderIsActive)
{
    Box->SetFlat(true);
    ShowWithFocusOn(Other);
    const TRect check = CheckRect();
    const int y = (check.Top + check.Bottom) / 2;
    auto ring = [&] { return PixelColor(Grab(*Box), check.Left, y); };
    const TColor shadow = ColorToRGB(clBtnShadow), face = ColorToRGB(clBtnFace);
    EXPECT_EQ(ring(), face) << "no ring while inactive";
    EXPECT_EQ(PixelColor(Grab(*Box), check.Left + 2, y), shadow) << "the inner ring instead";
    struct TCase {
        const char* Name;
        std::function<void()> On, Off;
    };
    const TCase cases[] = {
        {"hover", [&] { Box->Perform(CM_MOUSEENTER); }, [&] { Box->Perform(CM_MOUSELEAVE); }},
        {"always", [&] { Box->SetAlwaysShowBorder(true); }, [&] { Box->SetAlwaysShowBorder(false); }},
        {"focus", [&] { Box->SetFocus(); QApplication::processEvents(); },
         [&] { Other->SetFocus(); QApplication::processEvents(); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        c.On();
        EXPECT_EQ(ring(), shadow);
        EXPECT_EQ(PixelColor(Grab(*Box), check.Left + 2, y), face);
        c.Off();
        EXPECT_EQ(ring(), face);
    }
}

TEST_F(CheckBoxLook, TheCaptionSideDecidesWhereTheBoxIs)
{
    Box->SetCaption("");
    Box->SetFlat(true);
    Box->SetAlwaysShowBorder(true);
    ShowForm(*Form, 300, 100);
    for (const TAlignment side : {taRightJustify, taLeftJustify}) {
        SCOPED_TRACE(side);
        Box->SetAlignment(side);
        const TRect check = CheckRect();
        EXPECT_EQ(check.Width(), DefaultCheckBoxWidth());
        if (side == taRightJustify)
            EXPECT_EQ(check.Left, 0);
        else
            EXPECT_EQ(check.Right, Box->ClientWidth());
        EXPECT_EQ(InkBounds(Grab(*Box), clBtnFace), check) << "nothing painted beside the box";
    }
}

TEST_F(CheckBoxLook, TheFocusRectangleSurroundsTheCaption)
{
    ShowWithFocusOn(Other);
    TRect check, caption;
    Box->GetLayout(check, caption);
    EXPECT_EQ(caption.Left, check.Right + 5);
    auto captionInk = [&] {
        const QImage image = Grab(*Box);
        return InkBounds(image.copy(caption.Left - 2, 0, image.width() - caption.Left + 2, image.height()), clBtnFace);
    };
    const TRect text = captionInk();
    ASSERT_FALSE(IsRectEmpty(text));
    Box->SetFocus();
    QApplication::processEvents();
    const TRect focused = captionInk();
    EXPECT_LT(focused.Left, text.Left);
    EXPECT_GT(focused.Right, text.Right);
    EXPECT_LE(focused.Top, std::max(0, text.Top - 1));
    EXPECT_LE(focused.Bottom, Box->ClientHeight()) << "kept inside the control";
}

TEST_F(CheckBoxLook, ADisabledCaptionIsEmbossed)
{
    Box->SetColor(clSilver);
    ShowForm(*Form, 300, 100);
    TRect check, caption;
    Box->GetLayout(check, caption);
    auto captionShows = [&](TColor Colour) {
        const QImage image = Grab(*Box);
        return Shows(image.copy(caption.Left, 0, caption.Width(), image.height()), Colour, 8);
    };
    EXPECT_FALSE(captionShows(clWhite));
    Box->SetEnabled(false);
    EXPECT_TRUE(captionShows(clWhite)) << "the highlight copy";
    EXPECT_TRUE(captionShows(ColorToRGB(clGrayText)));
}

// ---- description --------------------------------------------------------

TEST(CheckBoxDescription, StoresTheStateOfAnUnboundBoxAndPostsItWhenLoaded)
{
    TestApplication();
    TForm form(nullptr);
    form.SetName("BoxForm");
    auto* on = new TDBCheckBoxLt(&form);
    on->SetName("chkOn");
    on->SetParent(&form);
    on->SetState(cbChecked);
    on->SetFlat(true);
    on->SetValueChecked("Y");
    auto* off = new TDBCheckBoxLt(&form);
    off->SetName("chkOff");
    off->SetParent(&form);

    const std::string text = WriteComponentToText(form);
    EXPECT_EQ(text.find(" Checked ="), std::string::npos) << text;
    EXPECT_NE(text.find("State = cbChecked"), std::string::npos) << text;
    EXPECT_EQ(text.find("ValueUnchecked"), std::string::npos) << "the default is not stored\n" << text;
    EXPECT_EQ(text.find("State", text.find("chkOff")), std::string::npos) << "unchecked is not stored\n" << text;

    TForm copy(nullptr);
    ReadComponentFromText(copy, text, "copy");
    auto* read = dynamic_cast<TDBCheckBoxLt*>(copy.FindComponent("chkOn"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->State(), cbChecked);
    EXPECT_TRUE(read->Flat());
    EXPECT_EQ(read->ValueChecked(), "Y");
    EXPECT_TRUE(read->FieldLink()->UnboundValue().AsBoolean()) << "the loaded state is the value";
}

} // namespace
