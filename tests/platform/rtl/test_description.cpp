// Stored descriptions: text to components and back, and the errors a broken
// description gives.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/collection.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/writer.h"

enum TShapeKind { skCircle, skSquare, skTriangle };
LT_ENUM_INFO(TShapeKind, skCircle, skSquare, skTriangle)
enum TTestFontStyle { tfsBold, tfsItalic, tfsUnderline };
LT_ENUM_INFO(TTestFontStyle, tfsBold, tfsItalic, tfsUnderline)
using TTestFontStyles = TSet<TTestFontStyle>;

namespace {

const TIdentMap kColourNames = {{0x0000FF, "clRed"}, {0x00FF00, "clLime"}};
std::vector<std::string> gLoaded;

class TTestFont : public TPersistent {
    LT_CLASS(TTestFont)
public:
    const std::string& Name() const { return FName; }
    void SetName(const std::string& v) { FName = v; }
    int Size() const { return FSize; }
    void SetSize(int v) { FSize = v; }
    TTestFontStyles Style() const { return FStyle; }
    void SetStyle(TTestFontStyles v) { FStyle = v; }

private:
    std::string FName;
    int FSize = 8;
    TTestFontStyles FStyle;
};

class TTestColumn : public TCollectionItem {
    LT_CLASS(TTestColumn)
public:
    using TCollectionItem::TCollectionItem;
    const std::string& FieldName() const { return FFieldName; }
    void SetFieldName(const std::string& v) { FFieldName = v; }
    int Width() const { return FWidth; }
    void SetWidth(int v)
    {
        if (v < 0)
            throw EInvalidOperation("Width must not be negative");
        FWidth = v;
    }

private:
    std::string FFieldName;
    int FWidth = 64;
};

class TTestWidget : public TComponent {
    LT_CLASS(TTestWidget)
public:
    explicit TTestWidget(TComponent* AOwner) : TComponent(AOwner), FColumns(this, TCollection::ItemsOf<TTestColumn>()) {}

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& v) { FCaption = v; }
    int Left() const { return FLeft; }
    void SetLeft(int v) { FLeft = v; }
    TShapeKind Kind() const { return FKind; }
    void SetKind(TShapeKind v) { FKind = v; }
    double Ratio() const { return FRatio; }
    void SetRatio(double v) { FRatio = v; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { FVisible = v; }
    int Color() const { return FColor; }
    void SetColor(int v) { FColor = v; }
    int64_t Big() const { return FBig; }
    void SetBig(int64_t v) { FBig = v; }
    uint32_t Count() const { return FCount; }
    void SetCount(uint32_t v) { FCount = v; }
    TTestFont* Font() const { return &FFont; }
    TCollection* Columns() const { return &FColumns; }
    TStringList* Lines() const { return &FLines; }
    TTestWidget* Buddy() const { return FBuddy; }
    void SetBuddy(TTestWidget* v) { FBuddy = v; }
    const TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent v) { FOnClick = std::move(v); }

    std::string Data;
    TComponent* Parent = nullptr;

    bool HasParent() const override { return Parent != nullptr; }
    TComponent* GetParentComponent() const override { return Parent; }
    void SetParentComponent(TComponent* Value) override { Parent = Value; }
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override
    {
        for (int i = 0; i < Root->ComponentCount(); ++i)
            if (Root->Components(i)->GetParentComponent() == this)
                Proc(Root->Components(i));
    }
    void Loaded() override
    {
        TComponent::Loaded();
        gLoaded.push_back(Name() + (FBuddy ? " buddy " + FBuddy->Name() : ""));
    }

    void DefineProperties(TFiler& Filer) override
    {
        Filer.DefineBinaryProperty(
            "Data",
            [this](TStream& s) {
                Data.resize(static_cast<std::size_t>(s.Size()));
                s.ReadBuffer(Data.data(), s.Size());
            },
            [this](TStream& s) { s.WriteBuffer(Data.data(), static_cast<int64_t>(Data.size())); }, !Data.empty());
    }

private:
    std::string FCaption;
    int FLeft = 0;
    TShapeKind FKind = skCircle;
    double FRatio = 0;
    bool FVisible = true;
    int FColor = 0;
    int64_t FBig = 0;
    uint32_t FCount = 0;
    mutable TTestFont FFont;
    mutable TCollection FColumns;
    mutable TStringList FLines;
    TTestWidget* FBuddy = nullptr;
    TNotifyEvent FOnClick;
};

class TTestForm : public TTestWidget {
    LT_CLASS(TTestForm)
public:
    using TTestWidget::TTestWidget;
    void ButtonClick(TObject* Sender) { Clicks.push_back(static_cast<TComponent*>(Sender)->Name()); }
    void WrongShape(int) {}
    std::vector<std::string> Clicks;
};

} // namespace

LT_IMPLEMENT_CLASS(TTestFont, TPersistent)
{
    P.Property("Name", &TTestFont::Name, &TTestFont::SetName);
    P.Property("Size", &TTestFont::Size, &TTestFont::SetSize).Default(8);
    P.Property("Style", &TTestFont::Style, &TTestFont::SetStyle).Default(0);
}

LT_IMPLEMENT_CLASS(TTestColumn, TCollectionItem)
{
    P.Property("FieldName", &TTestColumn::FieldName, &TTestColumn::SetFieldName);
    P.Property("Width", &TTestColumn::Width, &TTestColumn::SetWidth).Default(64);
}

LT_IMPLEMENT_CLASS(TTestWidget, TComponent)
{
    P.Property("Caption", &TTestWidget::Caption, &TTestWidget::SetCaption);
    P.Property("Left", &TTestWidget::Left, &TTestWidget::SetLeft).Default(0);
    P.Property("Kind", &TTestWidget::Kind, &TTestWidget::SetKind).Default(skCircle);
    P.Property("Ratio", &TTestWidget::Ratio, &TTestWidget::SetRatio);
    P.Property("Visible", &TTestWidget::Visible, &TTestWidget::SetVisible).Default(1);
    P.Property("Color", &TTestWidget::Color, &TTestWidget::SetColor).Default(0).Idents(kColourNames);
    P.Property("Big", &TTestWidget::Big, &TTestWidget::SetBig).Default(0);
    P.Property("Count", &TTestWidget::Count, &TTestWidget::SetCount).Default(0);
    P.Property("Font", &TTestWidget::Font);
    P.Property("Columns", &TTestWidget::Columns);
    P.Property("Lines", &TTestWidget::Lines);
    P.Property("Buddy", &TTestWidget::Buddy, &TTestWidget::SetBuddy);
    P.Property("OnClick", &TTestWidget::OnClick, &TTestWidget::SetOnClick);
}

LT_IMPLEMENT_CLASS(TTestForm, TTestWidget)
{
    P.Method("ButtonClick", &TTestForm::ButtonClick);
    P.Method("WrongShape", &TTestForm::WrongShape);
}

namespace {

// Every kind of value, in the writer's own layout.
const char* const kEveryKind = R"(object frmTest: TTestForm
  Caption = 'Главное окно'#13#10'it''s'
  Left = -12
  Kind = skSquare
  Ratio = 1.25
  Visible = False
  Color = clRed
  Big = 5000000000
  Font.Name = 'Arial'
  Font.Style = [tfsBold, tfsUnderline]
  OnClick = ButtonClick
  object wgtInner: TTestWidget
    Color = 123456
    Columns = <
      item
        FieldName = 'FNAME'
      end
      item
        FieldName = 'FID'
        Width = 40
      end>
    Lines.Strings = (
      'one'
      'two; "three"')
    Buddy = wgtLast
    OnClick = ButtonClick
    Data = {
      00FF10AB}
    object wgtLast: TTestWidget
      Caption = 'last'
      Ratio = 1e+20
    end
  end
end
)";

TEST(Description, EveryValueKindReadsIntoComponentsAndWritesBackIdentically)
{
    gLoaded.clear();
    TTestForm form(nullptr);
    ReadComponentFromText(form, kEveryKind, "every.dfm");

    EXPECT_EQ(form.Name(), "frmTest");
    EXPECT_EQ(form.Caption(), "Главное окно\r\nit's");
    EXPECT_EQ(form.Left(), -12);
    EXPECT_EQ(form.Kind(), skSquare);
    EXPECT_DOUBLE_EQ(form.Ratio(), 1.25);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.Color(), 0x0000FF);
    EXPECT_EQ(form.Big(), 5000000000);
    EXPECT_EQ(form.Font()->Name(), "Arial");
    EXPECT_EQ(form.Font()->Style(), (TTestFontStyles{tfsBold, tfsUnderline}));

    auto* inner = dynamic_cast<TTestWidget*>(form.FindComponent("wgtInner"));
    auto* last = dynamic_cast<TTestWidget*>(form.FindComponent("wgtLast"));
    ASSERT_NE(inner, nullptr);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(inner->Parent, &form);
    EXPECT_EQ(last->Parent, inner);
    EXPECT_EQ(inner->Buddy(), last);
    ASSERT_EQ(inner->Columns()->Count(), 2);
    EXPECT_EQ(static_cast<TTestColumn*>(inner->Columns()->Items(1))->FieldName(), "FID");
    EXPECT_EQ(static_cast<TTestColumn*>(inner->Columns()->Items(0))->Width(), 64);
    ASSERT_EQ(inner->Lines()->Count(), 2);
    EXPECT_EQ(inner->Lines()->Strings(1), "two; \"three\"");
    EXPECT_EQ(inner->Data, std::string("\x00\xFF\x10\xAB", 4));
    EXPECT_DOUBLE_EQ(last->Ratio(), 1e20);

    // Loaded runs once per component, in creation order, after references resolve.
    EXPECT_EQ(gLoaded, (std::vector<std::string>{"frmTest", "wgtInner buddy wgtLast", "wgtLast"}));
    EXPECT_FALSE(inner->ComponentState().Contains(csLoading));

    inner->OnClick()(inner);
    form.OnClick()(&form);
    EXPECT_EQ(form.Clicks, (std::vector<std::string>{"wgtInner", "frmTest"}));

    EXPECT_EQ(WriteComponentToText(form), kEveryKind);
}

TEST(Description, ReadComponentCreatesTheRootThroughTheRegistry)
{
    std::unique_ptr<TComponent> root(TReader(kEveryKind, "every.dfm").ReadComponent(nullptr));
    ASSERT_NE(dynamic_cast<TTestForm*>(root.get()), nullptr);
    EXPECT_EQ(root->ComponentCount(), 2);
}

// An unsigned 32-bit property holds values beyond the signed range, and they
// read back as written.
TEST(Description, ACardinalReadsBackOverItsWholeRange)
{
    const std::string text = "object f: TTestForm\n  Count = 4294967295\nend\n";
    TTestForm form(nullptr);
    ReadComponentFromText(form, text, "cardinal.dfm");
    EXPECT_EQ(form.Count(), 4294967295u);
    EXPECT_EQ(WriteComponentToText(form), text);
}

TEST(Description, StringsJoinWithPlusAndCharacterCodes)
{
    TTestForm form(nullptr);
    ReadComponentFromText(form,
                          "object f: TTestForm\n  Caption = 'a'#1046 +\n   'b'#9'c'''\nend\n", "join.dfm");
    EXPECT_EQ(form.Caption(), "aЖb\tc'");
}

struct TBrokenCase {
    const char* Label;
    const char* Text;
    const char* Expected;   // a part of the message after "broken.dfm(<line>): "
    int Line;
};

class DescriptionErrors : public ::testing::TestWithParam<TBrokenCase> {};

TEST_P(DescriptionErrors, NameTheResourceTheLineAndTheProblem)
{
    const TBrokenCase& c = GetParam();
    TTestForm form(nullptr);
    try {
        ReadComponentFromText(form, c.Text, "broken.dfm");
        FAIL() << "no error for " << c.Label;
    } catch (const EReadError& e) {
        const std::string prefix = "broken.dfm(" + std::to_string(c.Line) + "): ";
        EXPECT_EQ(e.Message().rfind(prefix, 0), 0u) << e.Message();
        EXPECT_NE(e.Message().find(c.Expected), std::string::npos) << e.Message();
    }
    EXPECT_FALSE(form.ComponentState().Contains(csLoading));
}

INSTANTIATE_TEST_SUITE_P(
    Table, DescriptionErrors,
    ::testing::Values(
        TBrokenCase{"unterminated string", "object f: TTestForm\n  Caption = 'abc\nend\n", "unterminated string", 2},
        TBrokenCase{"unknown property", "object f: TTestForm\n  Left = 1\n  Width = 3\nend\n",
                    "property f.Width: TTestForm has no property Width", 3},
        TBrokenCase{"bad set", "object f: TTestForm\n  Font.Style = [tfsBold tfsItalic]\nend\n", "bad set", 2},
        TBrokenCase{"unknown set element", "object f: TTestForm\n  Font.Style = [tfsBlink]\nend\n",
                    "property f.Font.Style: tfsBlink is not a value of TTestFontStyle", 2},
        TBrokenCase{"missing end", "object f: TTestForm\n  object g: TTestWidget\n  end\n", "missing 'end'", 4},
        TBrokenCase{"unknown class", "object f: TTestForm\n\n  object g: TNoSuchWidget\n  end\nend\n",
                    "class TNoSuchWidget not found", 3},
        TBrokenCase{"bad enumeration", "object f: TTestForm\n  Kind = skHexagon\nend\n",
                    "skHexagon is not a value of TShapeKind", 2},
        TBrokenCase{"string for an integer", "object f: TTestForm\n  Left = '12'\nend\n",
                    "property f.Left: expected an integer", 2},
        TBrokenCase{"integer out of range", "object f: TTestForm\n  Left = 3000000000\nend\n", "out of range", 2},
        TBrokenCase{"negative cardinal", "object f: TTestForm\n  Count = -1\nend\n",
                    "property f.Count: -1 is out of range", 2},
        TBrokenCase{"cardinal out of range", "object f: TTestForm\n  Count = 4294967296\nend\n", "out of range", 2},
        TBrokenCase{"unknown handler", "object f: TTestForm\n  OnClick = NoSuchHandler\nend\n",
                    "has no method NoSuchHandler", 2},
        TBrokenCase{"handler of another shape", "object f: TTestForm\n  OnClick = WrongShape\nend\n",
                    "does not fit the event", 2},
        TBrokenCase{"unresolved reference", "object f: TTestForm\n  Buddy = Nobody\nend\n",
                    "property f.Buddy: component Nobody not found", 2},
        TBrokenCase{"setter refuses", "object f: TTestForm\n  Columns = <\n    item\n      Width = -1\n    end>\nend\n",
                    "property f.Columns[0].Width: Width must not be negative", 4},
        TBrokenCase{"wrong root class", "object f: TTestWidget\nend\n", "not TTestForm", 1},
        TBrokenCase{"list where a string goes", "object f: TTestForm\n  Caption = ('a')\nend\n",
                    "expected a string", 2},
        TBrokenCase{"number in a string list", "object f: TTestForm\n  Lines.Strings = (\n    'a'\n    5)\nend\n",
                    "expected a string", 4},
        TBrokenCase{"odd binary", "object f: TTestForm\n  Data = {ABC}\nend\n", "odd number of hex digits", 2},
        TBrokenCase{"text after end", "object f: TTestForm\nend\nend\n", "text after the final 'end'", 3}),
    [](const ::testing::TestParamInfo<TBrokenCase>& info) {
        std::string name = info.param.Label;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

} // namespace
