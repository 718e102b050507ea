// The number edit on a form: value and text, typing, stepping with keys,
// wheel and buttons, the calculator, paste, bound to a client table.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include "dbcontrols/calculatorlt.h"
#include "dbcontrols/dbnumberedit.h"
#include "dbcontrols/popupcalculatorlt.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

namespace {

std::string ValueText(const Variant& V)
{
    return V.IsNull() ? "Null" : std::to_string(V.AsDouble());
}

class NumberEditFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Edit = new TDBNumberEditLt(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 10, 120, 21);
        Other = new TEdit(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(10, 60, 100, 21);
        Edit->SetOnChange([this](TObject*) { Changes.push_back(Edit->Text()); });
    }

    void TearDown() override { Form.reset(); }

    void ShowAndFocus()
    {
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
        Form->Widget()->activateWindow();
        Edit->SetFocus();
        QApplication::processEvents();
    }

    void Leave()
    {
        Other->SetFocus();
        QApplication::processEvents();
    }

    void Wheel(int Delta)
    {
        const QPoint at(5, 5);
        QWheelEvent wheel(at, Line()->mapToGlobal(at), QPoint(), QPoint(0, Delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(Line(), &wheel);
    }

    QLineEdit* Line() const { return static_cast<QLineEdit*>(Edit->Widget()); }

    std::unique_ptr<TForm> Form;
    TDBNumberEditLt* Edit = nullptr;
    TEdit* Other = nullptr;
    std::vector<std::string> Changes;
};

// ---- value, text, formats

TEST_F(NumberEditFixture, AValueFromCodeIsShownPostedAndNeitherLimitedNorRounded)
{
    EXPECT_TRUE(Edit->Value().IsNull());
    EXPECT_EQ(Edit->Text(), "");
    EXPECT_EQ(Edit->Alignment(), taRightJustify);
    Edit->SetMinValue(1);
    Edit->SetMaxValue(16);
    Edit->SetValue(Variant(20.125));
    EXPECT_EQ(Edit->Value().AsDouble(), 20.125);
    EXPECT_EQ(Edit->Text(), "20.125");
    EXPECT_EQ(Edit->FieldLink()->UnboundValue().AsDouble(), 20.125) << "posted at once";
    EXPECT_EQ(Changes.size(), 1u);
    Edit->SetValue(Variant::Null());
    EXPECT_TRUE(Edit->Value().IsNull());
    EXPECT_EQ(Edit->Text(), "");
    EXPECT_TRUE(Edit->FieldLink()->UnboundValue().IsNull());
}

TEST_F(NumberEditFixture, DisplayFormatShowsUnfocusedAndItsEditFormatFocused)
{
    struct Case {
        const char* DisplayFormat;
        double Value;
        const char* Unfocused;
        const char* Focused;
    };
    const Case cases[] = {
        {"0.00", 3, "3.00", "3.00"},
        {"#,##0.0 'W'", 1234.5, "1,234.5 W", "1,234.5"},
        {"", 0.5, "0.5", "0.5"},
    };
    ShowAndFocus();
    for (const Case& c : cases) {
        Leave();
        Edit->SetDisplayFormat(c.DisplayFormat);
        Edit->SetValue(Variant(c.Value));
        EXPECT_EQ(Edit->Text(), c.Unfocused) << c.DisplayFormat;
        Edit->SetFocus();
        QApplication::processEvents();
        EXPECT_EQ(Edit->Text(), c.Focused) << c.DisplayFormat;
        EXPECT_EQ(Edit->Value().AsDouble(), c.Value) << "showing does not change the value";
    }
}

TEST_F(NumberEditFixture, ATextFromCodeIsParsedAndANonNumberRaisesKeepingTheValue)
{
    Edit->SetMinValue(1);
    Edit->SetMaxValue(16);
    Edit->SetText("20");
    EXPECT_EQ(Edit->Value().AsDouble(), 16);
    EXPECT_EQ(Edit->FieldLink()->UnboundValue().AsDouble(), 16);
    EXPECT_THROW(Edit->SetText("abc"), EConvertError);
    EXPECT_EQ(Edit->Value().AsDouble(), 16);
    EXPECT_EQ(Edit->FieldLink()->UnboundValue().AsDouble(), 16);
    EXPECT_NE(Edit->Text(), "abc") << "the posted value is shown again";
}

// ---- typing

TEST_F(NumberEditFixture, TypingChecksEachCharacterAndParsesTheText)
{
    struct Case {
        double Min, Max;
        unsigned Places;
        const char* DisplayFormat;
        const char* Typed;
        const char* WantText;
        const char* WantValue;   // as ValueText
        const char* WantAfterLeaving;
    };
    const Case cases[] = {
        {1, 16, 2, "", "20", "20", "16.000000", "16"},           // the value is clamped, the text kept
        {1, 16, 2, "", "-5", "5", "5.000000", "5"},              // no minus in a positive range
        {0, 0, 2, "", "1.2345", "1.23", "1.230000", "1.23"},     // a third decimal is refused
        {0, 0, 2, "", "3,5", "3.5", "3.500000", "3.5"},          // ',' is the decimal separator
        {0, 0, 0, "", "7.5", "7.", "7.000000", "7"},
        {0, 0, 2, "", "-", "-", "0.000000", "0"},
        {0, 0, 2, "", "1a2b", "12", "12.000000", "12"},
        {0, 0, 2, "#,##0", "1234567", "1,234,567", "1234567.000000", "1,234,567"},
    };
    ShowAndFocus();
    for (const Case& c : cases) {
        Edit->SetValue(Variant::Null());
        Edit->SetMinValue(c.Min);
        Edit->SetMaxValue(c.Max);
        Edit->SetDecimalPlaces(c.Places);
        Edit->SetDisplayFormat(c.DisplayFormat);
        Edit->SetFocus();
        QApplication::processEvents();
        QTest::keyClicks(Line(), c.Typed);
        EXPECT_EQ(Edit->Text(), c.WantText) << c.Typed;
        EXPECT_EQ(ValueText(Edit->Value()), c.WantValue) << c.Typed;
        EXPECT_EQ(Edit->SelStart(), Line()->text().size()) << c.Typed << ": the caret stays after the last digit";
        Leave();
        EXPECT_EQ(Edit->Text(), c.WantAfterLeaving) << c.Typed;
        EXPECT_EQ(ValueText(Edit->FieldLink()->UnboundValue()), c.WantValue) << c.Typed;
    }
}

TEST_F(NumberEditFixture, BackspaceStepsOverAThousandSeparatorAndDeletingAllGivesNull)
{
    Edit->SetDisplayFormat("#,##0");
    ShowAndFocus();
    QTest::keyClicks(Line(), "1234");
    ASSERT_EQ(Edit->Text(), "1,234");
    Edit->SetSelStart(2);
    QTest::keyClick(Line(), Qt::Key_Backspace);
    EXPECT_EQ(Edit->Text(), "1,234");
    EXPECT_EQ(Edit->SelStart(), 1);
    QTest::keyClick(Line(), Qt::Key_Backspace);
    EXPECT_EQ(Edit->Text(), "234");
    EXPECT_EQ(Edit->Value().AsDouble(), 234);
    Edit->SelectAll();
    QTest::keyClick(Line(), Qt::Key_Delete);
    EXPECT_TRUE(Edit->Value().IsNull());
}

TEST_F(NumberEditFixture, APasteThatIsNoNumberBringsTheTextBack)
{
    ShowAndFocus();
    QTest::keyClicks(Line(), "12");
    QApplication::clipboard()->setText("abc");
    QTest::keyClick(Line(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit->Text(), "12");
    EXPECT_EQ(Edit->Value().AsDouble(), 12);
    EXPECT_EQ(Edit->SelLength(), 2) << "all selected";
    QApplication::clipboard()->setText("5");
    QTest::keyClick(Line(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit->Text(), "5");
    EXPECT_EQ(Edit->Value().AsDouble(), 5);
}

// ---- stepping

TEST_F(NumberEditFixture, UpDownAndTheWheelStepWithinTheRange)
{
    struct Step {
        double Increment;
        const char* Start;   // "" for Null
        Qt::Key Key;         // 0: the wheel
        int Wheel;
        const char* WantValue;
    };
    const Step steps[] = {
        {1, "1", Qt::Key_Down, 0, "1.000000"},      // held at the lower bound
        {1, "1", Qt::Key_Up, 0, "2.000000"},
        {1, "100", Qt::Key_Up, 0, "100.000000"},
        {1, "", Qt::Key_Up, 0, "1.000000"},         // from Null: Increment either way
        {1, "", Qt::Key_Down, 0, "1.000000"},
        {0, "5", Qt::Key_Up, 0, "5.000000"},        // no increment: nothing
        {0.25, "5", Qt::Key_Down, 0, "4.750000"},
        {1, "5", Qt::Key(0), 120, "6.000000"},
        {1, "5", Qt::Key(0), -120, "4.000000"},
    };
    Edit->SetMinValue(1);
    Edit->SetMaxValue(100);
    ShowAndFocus();
    for (const Step& s : steps) {
        Edit->SetIncrement(s.Increment);
        Edit->SetValue(*s.Start ? Variant(std::stod(s.Start)) : Variant::Null());
        if (s.Key)
            QTest::keyClick(Line(), s.Key);
        else
            Wheel(s.Wheel);
        EXPECT_EQ(ValueText(Edit->Value()), s.WantValue) << s.Start << " " << s.Key << " " << s.Wheel;
    }
    Edit->SetIncrement(1);
    Edit->SetValue(Variant(5.0));
    QTest::keyClick(Line(), Qt::Key_Up);
    EXPECT_EQ(Edit->SelLength(), 1) << "the stepped text is selected";
    Edit->SetReadOnly(true);
    QTest::keyClick(Line(), Qt::Key_Up);
    Wheel(120);
    EXPECT_EQ(Edit->Value().AsDouble(), 6) << "a read-only editor does not step";
}

TEST_F(NumberEditFixture, TheUpDownButtonStepsWithItsHalvesAndAltDownStepsDownOnce)
{
    Edit->EditButton()->SetStyle(ebsUpDownLt);
    Edit->EditButton()->SetVisible(true);
    Edit->SetMinValue(1);
    Edit->SetMaxValue(16);
    Edit->SetValue(Variant(8.0));
    ShowAndFocus();
    TEditButtonControlLt* button = Edit->ButtonControls()[0].EditButtonControl;
    ASSERT_TRUE(button->Visible());
    const QPoint top(button->Width() / 2, 2);
    const QPoint bottom(button->Width() / 2, button->Height() - 3);
    QTest::mouseClick(button->Widget(), Qt::LeftButton, {}, top);
    EXPECT_EQ(Edit->Value().AsDouble(), 9);
    QTest::mouseClick(button->Widget(), Qt::LeftButton, {}, bottom);
    QTest::mouseClick(button->Widget(), Qt::LeftButton, {}, bottom);
    EXPECT_EQ(Edit->Value().AsDouble(), 7);
    QTest::keyClick(Line(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Edit->Value().AsDouble(), 6);
    EXPECT_FALSE(Edit->CalculatorVisible());
}

// ---- calculator

TEST_F(NumberEditFixture, AltDownOpensTheCalculatorWhoseResultIsTakenOnEnter)
{
    ShowAndFocus();
    std::vector<bool> closeUps;
    Edit->AfterCloseUp = [&](TObject*, bool Accept) { closeUps.push_back(Accept); };
    QTest::keyClick(Line(), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(Edit->CalculatorVisible()) << "the hidden drop-down button still opens it";
    TPopupCalculatorLt* calculator = Edit->CalculatorPopup();
    EXPECT_TRUE(calculator->Visible());
    EXPECT_EQ(calculator->DisplayValue(), 0) << "opened on Null";
    QTest::keyClicks(Line(), "12+3");
    EXPECT_TRUE(Edit->Value().IsNull()) << "the keys went to the calculator";
    QTest::keyClick(Line(), Qt::Key_Return);   // '=' computes
    EXPECT_TRUE(Edit->CalculatorVisible());
    EXPECT_EQ(calculator->DisplayValue(), 15);
    QTest::keyClick(Line(), Qt::Key_Return);   // "Ok" closes accepting
    EXPECT_FALSE(Edit->CalculatorVisible());
    EXPECT_FALSE(calculator->Visible());
    EXPECT_EQ(ValueText(Edit->Value()), "15.000000");
    EXPECT_EQ(Edit->Text(), "15");
    ASSERT_EQ(closeUps.size(), 1u);
    EXPECT_TRUE(closeUps[0]);

    Leave();
    Edit->SetFocus();
    QApplication::processEvents();
    QTest::keyClick(Line(), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(Edit->CalculatorVisible());
    EXPECT_EQ(calculator->DisplayValue(), 15) << "opened on the value";
    QTest::keyClicks(Line(), "9");
    QTest::keyClick(Line(), Qt::Key_Escape);
    EXPECT_FALSE(Edit->CalculatorVisible());
    EXPECT_EQ(Edit->Value().AsDouble(), 15) << "Esc discards";
}

TEST_F(NumberEditFixture, AnErrorInTheCalculatorLeavesTheValueAndAPressElsewhereClosesIt)
{
    Edit->SetValue(Variant(4.0));
    ShowAndFocus();
    Edit->DropDown();
    QTest::keyClicks(Line(), "1/0=");
    ASSERT_EQ(Edit->CalculatorPopup()->Status(), csErrorLt);
    Edit->CloseUp(true);
    EXPECT_EQ(Edit->Value().AsDouble(), 4);

    Edit->DropDown();
    ASSERT_TRUE(Edit->CalculatorVisible());
    QTest::mouseClick(Other->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(Edit->CalculatorVisible());
    EXPECT_EQ(Edit->Value().AsDouble(), 4);
}

// ---- bound

class BoundNumberEdit : public NumberEditFixture {
protected:
    void SetUp() override
    {
        NumberEditFixture::SetUp();
        Table = new TClientDataSet(Form.get());
        Speed = new TFloatField(Form.get());
        Speed->SetFieldName("SPEED");
        Speed->SetDisplayFormat("0.0 '%'");
        Speed->SetMinValue(1);
        Speed->SetMaxValue(100);
        Speed->SetDataSet(Table);
        Table->CreateDataSet();
        Table->Append();
        Speed->SetAsFloat(12.5);
        Table->Post();
        Table->Append();
        Table->Post();   // a second row without a speed
        Table->First();
        Source = new TDataSource(Form.get());
        Source->SetDataSet(Table);
        Edit->SetDataSource(Source);
        Edit->SetDataField("SPEED");
    }
    TClientDataSet* Table = nullptr;
    TFloatField* Speed = nullptr;
    TDataSource* Source = nullptr;
};

TEST_F(BoundNumberEdit, TakesFormatAndRangeFromTheFieldAndPostsTypedValues)
{
    EXPECT_EQ(Edit->Text(), "12.5 %");
    EXPECT_EQ(Edit->MinValue(), 1);
    EXPECT_EQ(Edit->MaxValue(), 100);
    EXPECT_EQ(Edit->EditFormat(), "0.0");
    ShowAndFocus();
    EXPECT_EQ(Edit->Text(), "12.5");
    EXPECT_EQ(Table->State(), dsBrowse);
    Edit->SelectAll();
    QTest::keyClicks(Line(), "250");
    EXPECT_EQ(Table->State(), dsEdit);
    EXPECT_EQ(Edit->Value().AsDouble(), 100);
    Leave();
    EXPECT_EQ(Speed->AsFloat(), 100);
    EXPECT_EQ(Edit->Text(), "100.0 %");

    Table->Post();
    Table->Next();
    EXPECT_TRUE(Edit->Value().IsNull());
    EXPECT_EQ(Edit->Text(), "");
    Edit->SetFocus();
    QApplication::processEvents();
    QTest::keyClick(Line(), Qt::Key_Up);
    Leave();
    EXPECT_EQ(Speed->AsFloat(), 1) << "stepped from Null to the increment";
    Edit->SetValue(Variant::Null());
    EXPECT_TRUE(Speed->IsNull());
}

// A text field whose value is no number: bound, scrolled, posted by the
// table itself and typed into, the editor never raises.
TEST_F(NumberEditFixture, BoundToATextThatIsNoNumberShowsItAndNeverRaises)
{
    auto* table = new TClientDataSet(Form.get());
    auto* code = new TStringField(Form.get());
    code->SetFieldName("CODE");
    code->SetSize(10);
    code->SetDataSet(table);
    auto* note = new TStringField(Form.get());
    note->SetFieldName("NOTE");
    note->SetSize(10);
    note->SetDataSet(table);
    table->CreateDataSet();
    for (const char* value : {"abc", "12.5"}) {
        table->Append();
        code->SetAsString(value);
        table->Post();
    }
    table->First();
    auto* source = new TDataSource(Form.get());
    source->SetDataSet(table);

    EXPECT_NO_THROW(Edit->SetDataSource(source));
    EXPECT_NO_THROW(Edit->SetDataField("CODE"));
    EXPECT_EQ(Edit->Text(), "abc");
    EXPECT_TRUE(Edit->Value().IsNull());
    EXPECT_NO_THROW(table->Next());
    EXPECT_EQ(Edit->Value().AsDouble(), 12.5);
    EXPECT_NO_THROW(table->Prior());
    EXPECT_EQ(Edit->Text(), "abc");

    // The table's own edit and post leave the text as it is.
    EXPECT_NO_THROW(table->Edit());
    note->SetAsString("n");
    EXPECT_NO_THROW(table->Post());
    EXPECT_EQ(code->AsString(), "abc");

    // Focused, it shows the same; a typed letter is refused, digits replace it.
    ShowAndFocus();
    EXPECT_EQ(Edit->Text(), "abc");
    Edit->SelectAll();
    QTest::keyClicks(Line(), "x");
    EXPECT_EQ(Edit->Text(), "abc");
    QTest::keyClicks(Line(), "7");
    EXPECT_EQ(Edit->Text(), "7");
    EXPECT_NO_THROW(Leave());
    EXPECT_EQ(code->AsString(), "7");
}

} // namespace
