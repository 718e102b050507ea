#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

#include "dbcontrols/calculatorlt.h"
#include "platform/rtl/floatformat.h"
#include "platform/ui/beep.h"
#include "platform/ui/clipbrd.h"
#include "tests/platform/ui/controltesting.h"

namespace {

class Calculator : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        Form = std::make_unique<TForm>(nullptr);
        Calc = new TCalculatorLt(Form.get());
        Calc->SetParent(Form.get());
    }

    void Keys(const std::u32string& Keys)
    {
        for (const char32_t k : Keys)
            Calc->HandleCalcKey(k);
    }

    std::unique_ptr<TForm> Form;
    TCalculatorLt* Calc = nullptr;
};

TEST_F(Calculator, KeySequencesGiveTheirDisplay)
{
    struct {
        std::u32string Keys;
        const char* Display;
        TCalcStatusLt Status;
    } cases[] = {
        {U"", "0", csValidLt},
        {U"2+3=", "5", csValidLt},
        {U"2+3=4", "4", csEnteringLt},   // a digit after a result starts a new number
        {U"2+3\r", "5", csValidLt},      // Enter computes as '='
        {U"3*4+2=", "14", csValidLt},    // each operator applies the pending one
        {U"7-10=", "-3", csValidLt},
        {U"0-5=", "-5", csValidLt},
        {U"9/4=", "2.25", csValidLt},
        {U"200+10%", "220", csValidLt},  // 10 % of 200 added
        {U"200-10%", "180", csValidLt},
        {U"50*10%", "5", csValidLt},
        {U"50/10%", "500", csValidLt},
        {U"50%", "50", csValidLt},       // no pending operation: the display stays
        {U"5+=", "5", csValidLt},        // an operator right after another keeps the display
        {U"1/0=", "Error", csErrorLt},
        {U"1/0=7+", "Error", csErrorLt}, // every key but C is ignored
        {U"1/0=7C", "0", csValidLt},
        {U"1/0=\x1b", "0", csValidLt},
        {U"12c", "0", csValidLt},        // keys count in upper case
        {U"12+\x1b", "0", csValidLt},
        {U"1234567890123456", "123456789012345", csEnteringLt},
        {U"1234567890123456I", "-123456789012345", csEnteringLt},
        {U"12345678901234I5", "-123456789012345", csEnteringLt},
        {U"007", "7", csEnteringLt},
        {U"1.5.2", "1.52", csEnteringLt},
        {U",5", "0.5", csEnteringLt},
        {U"2+.", "0.", csEnteringLt},
        {U"5I", "-5", csEnteringLt},
        {U"5I\b", "0", csEnteringLt},    // a minus and one digit go together
        {U"123\b\b", "1", csEnteringLt},
        {U"7\b", "0", csEnteringLt},
        {U"9S", "3", csValidLt},
        {U"2S", "1.4142135623731", csValidLt},
        {U"4IS", "Error", csErrorLt},
        {U"4R", "0.25", csValidLt},
        {U"0R", "Error", csErrorLt},
        {U"1/3=", "0.333333333333333", csValidLt},
        {U"A", "0", csValidLt},          // the Cancel button's key does nothing here
    };
    for (const auto& c : cases) {
        Calc->HandleCalcKey(U'C');
        Keys(c.Keys);
        EXPECT_EQ(Calc->DisplayText(), c.Display) << std::string(c.Keys.begin(), c.Keys.end());
        EXPECT_EQ(Calc->Status(), c.Status) << std::string(c.Keys.begin(), c.Keys.end());
    }
}

TEST_F(Calculator, DisplayValueIsZeroInErrorAndCarriesIntoTheNextOperation)
{
    Keys(U"6/0=");
    EXPECT_EQ(Calc->DisplayValue(), 0);
    Keys(U"C12*");
    EXPECT_EQ(Calc->PendingOperator(), U'*');
    EXPECT_EQ(Calc->Operand(), 12);
    Keys(U"C");
    EXPECT_EQ(Calc->PendingOperator(), U'=');
    EXPECT_EQ(Calc->Operand(), 0);
}

TEST_F(Calculator, EqualsCaptionShowsWhetherEnterComputes)
{
    struct {
        std::u32string Keys;
        const char* Caption;
    } cases[] = {
        {U"", "Ok"},   {U"2", "Ok"},      {U"2+", "Ok"},   {U"2+3", "="},
        {U"2+3=", "Ok"}, {U"0-5", "="},   {U"2+3%", "Ok"}, {U"2*3\b", "="},
        {U"1/0=", "Ok"},
    };
    for (const auto& c : cases) {
        Calc->HandleCalcKey(U'C');
        Keys(c.Keys);
        EXPECT_EQ(Calc->EqualButton()->Caption(), c.Caption) << std::string(c.Keys.begin(), c.Keys.end());
    }
}

TEST_F(Calculator, ResultsThatAreNotFiniteShowTheError)
{
    Clipboard()->SetAsText(" 1E308 ");
    Keys(U"\x16*2=");
    EXPECT_EQ(Calc->DisplayText(), "Error");
    EXPECT_EQ(Calc->Status(), csErrorLt);
}

TEST_F(Calculator, BackspaceNeverLeavesAnExponentWithoutDigits)
{
    Keys(U"0.000015I");
    ASSERT_EQ(Calc->DisplayText(), "-1.5E-5");
    ASSERT_EQ(Calc->Status(), csEnteringLt);
    Keys(U"\b");
    EXPECT_EQ(Calc->DisplayText(), "-1.5");
    Keys(U"+2=");
    EXPECT_EQ(Calc->DisplayText(), "0.5");
}

TEST_F(Calculator, CopiesAndPastesThroughTheClipboard)
{
    Keys(U"12.5");
    Keys(U"\x03");
    EXPECT_EQ(Clipboard()->AsText(), "12.5");
    Clipboard()->SetAsText("  -3.25\n");
    Keys(U"\x16");
    EXPECT_EQ(Calc->DisplayText(), "-3.25");
    // A text that is no number beeps and keeps the display, in the middle of
    // an entry too, also when it comes as a key from the event loop.
    std::vector<unsigned> beeps;
    const TMessageBeepHook old = SetMessageBeepHook([&](unsigned Type) { beeps.push_back(Type); });
    Clipboard()->SetAsText("abc");
    EXPECT_NO_THROW(Keys(U"\x16"));
    EXPECT_EQ(Calc->DisplayText(), "-3.25");
    Keys(U"C7");
    Clipboard()->SetAsText("1,2,3");
    QTest::sendKeyEvent(QTest::Click, Calc->Widget(), Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
    SetMessageBeepHook(old);
    EXPECT_EQ(Calc->DisplayText(), "7");
    EXPECT_EQ(Calc->Status(), csEnteringLt);
    EXPECT_EQ(beeps, (std::vector<unsigned>{0, 0}));

    // A pasted number is the operand of a pending operator.
    Keys(U"C5+");
    Clipboard()->SetAsText("3");
    Keys(U"\x16=");
    EXPECT_EQ(Calc->DisplayText(), "8");
}

TEST_F(Calculator, DecimalSeparatorOfTheSettingsIsUsed)
{
    const std::string saved = FormatSettings.DecimalSeparator;
    FormatSettings.DecimalSeparator = ",";
    Keys(U"1.5+1,25=");
    const std::string display = Calc->DisplayText();
    FormatSettings.DecimalSeparator = saved;
    EXPECT_EQ(display, "2,75");
}

TEST_F(Calculator, ButtonsAndKeysReachTheCalculator)
{
    Form->Show();
    // Button clicks by caption, then typed keys, then Delete.
    auto click = [this](const char* Caption) {
        for (int tag = 1; tag <= CalcButtonCountLt; ++tag)
            if (Calc->Button(tag)->Caption() == Caption) {
                QTest::mouseClick(Calc->Button(tag)->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
                return;
            }
        FAIL() << Caption;
    };
    for (const char* caption : {"1", "2", ".", "5", "<-", "+/-", "*", "4", "%"})
        click(caption);
    EXPECT_EQ(Calc->DisplayText(), "-0.48");
    click("C");
    for (const char* caption : {"9", "sqrt", "-", "7", "="})
        click(caption);
    EXPECT_EQ(Calc->DisplayText(), "-4") << "\"=\" is the equals button's caption while it computes";
    click("Ok");
    EXPECT_EQ(Calc->DisplayText(), "-4");
    click("4");
    click("1/x");
    EXPECT_EQ(Calc->DisplayText(), "0.25");

    QTest::keyClicks(Calc->Widget(), "8/2");
    QTest::keyClick(Calc->Widget(), Qt::Key_Return);
    EXPECT_EQ(Calc->DisplayText(), "4");
    QTest::keyClick(Calc->Widget(), Qt::Key_Delete);
    EXPECT_EQ(Calc->DisplayText(), "0");
    EXPECT_EQ(Calc->PendingOperator(), U'=');
}

TEST_F(Calculator, WheelStepsTheDisplayByOne)
{
    Form->Show();
    Keys(U"5");
    auto wheel = [this](int Delta) {
        QPoint at(2, 2);
        QWheelEvent e(at, Calc->Widget()->mapToGlobal(at), QPoint(), QPoint(0, Delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Calc->Widget(), &e);
    };
    wheel(120);
    wheel(120);
    EXPECT_EQ(Calc->DisplayText(), "7");
    wheel(-120);
    EXPECT_EQ(Calc->DisplayText(), "6");
    Keys(U"R0R");
    wheel(120);
    EXPECT_EQ(Calc->DisplayText(), "Error");
}

TEST_F(Calculator, LaysOutItsButtonsInTheFrame)
{
    const int plain = Calc->Width();
    EXPECT_NEAR(Calc->Height(), 127.0 * plain / 200, 1.0) << "the layout keeps its proportions";
    TSpeedButtonLt* equal = Calc->EqualButton();
    EXPECT_EQ(equal->Tag(), 23);
    EXPECT_GT(equal->Width(), 2 * Calc->Button(1)->Width());
    for (int tag = 1; tag <= CalcButtonCountLt; ++tag) {
        TSpeedButtonLt* b = Calc->Button(tag);
        EXPECT_EQ(b->Style(), ebsGlyphLt);
        EXPECT_TRUE(b->Active());
        EXPECT_TRUE(b->Flat());
        EXPECT_LE(b->Left() + b->Width(), Calc->Width()) << b->Caption();
        EXPECT_LE(b->Top() + b->Height(), Calc->Height()) << b->Caption();
    }
    const int left = Calc->Button(1)->Left();
    Calc->SetBorderStyle(bsSingle);
    EXPECT_EQ(Calc->Width(), plain + 4);
    EXPECT_EQ(Calc->Button(1)->Left(), left + 2);
    EXPECT_EQ(Calc->ClientWidth(), plain);
}

TEST_F(Calculator, IsReadFromItsDescription)
{
    // Caption, colour and key of a few buttons, found by their names.
    const struct {
        const char* Name;
        const char* Caption;
        TColor Color;
        char32_t Key;
    } cases[] = {
        {"sp7", "7", clBlue, U'7'},          {"spDivide", "/", clRed, U'/'},
        {"spSqrt", "sqrt", clBlue, U'S'},    {"spCancel", "Cancel", clRed, U'A'},
        {"spBackspace", "<-", clRed, U'\b'}, {"spEqual", "Ok", clRed, U'='},
    };
    for (const auto& c : cases) {
        const auto* button = dynamic_cast<TSpeedButtonLt*>(Calc->FindComponent(c.Name));
        ASSERT_NE(button, nullptr) << c.Name;
        EXPECT_EQ(button->Caption(), c.Caption);
        EXPECT_EQ(button->Font()->Color(), c.Color) << c.Name;
        EXPECT_EQ(TCalculatorLt::KeyOfTag(button->Tag()), c.Key) << c.Name;
        EXPECT_EQ(Calc->Button(button->Tag()), button);
    }
    EXPECT_EQ(Calc->TextBox()->Parent(), Calc->DisplayPanel());
    EXPECT_EQ(Calc->Color(), clBtnFace);
    // Cancel is a pixel taller than its row, and as wide as the column.
    EXPECT_EQ(Calc->Button(12)->Height(), Calc->Button(11)->Height() + 1);
    EXPECT_EQ(Calc->Button(12)->Width(), Calc->Button(6)->Width());

    // The buttons' handler comes from the description.
    Calc->Button(8)->Click();
    EXPECT_EQ(Calc->DisplayText(), "5");

    // Calculators keep no name of their description, so several share an owner.
    auto* second = new TCalculatorLt(Form.get());
    EXPECT_EQ(second->Name(), "");
    EXPECT_EQ(second->ComponentCount(), Calc->ComponentCount());
}

} // namespace
