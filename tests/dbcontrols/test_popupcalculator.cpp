#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "dbcontrols/popupcalculatorlt.h"
#include "popuptesting.h"

namespace {

class PopupCalculator : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        Form = std::make_unique<TPopupHostForm>(nullptr);
        Calc = new TPopupCalculatorLt(Form.get());
        Calc->SetParent(Form.get());
        Calc->SetLeft(40);
        Calc->SetTop(50);
        Calc->Show();
    }

    void Type(const char* Keys) { QTest::keyClicks(Calc->Widget(), Keys); }

    std::unique_ptr<TPopupHostForm> Form;
    TPopupCalculatorLt* Calc = nullptr;
};

TEST_F(PopupCalculator, IsAnUnfocusablePopupWithAFrame)
{
    EXPECT_TRUE(Calc->Widget()->isWindow());
    EXPECT_FALSE(Calc->TabStop());
    const TCalculatorLt plain(nullptr);
    EXPECT_EQ(Calc->Button(1)->Left(), plain.Button(1)->Left() + 2);
    EXPECT_EQ(Calc->Width(), plain.Width() + 4);
    Calc->SetCtl3D(false);
    EXPECT_EQ(Calc->Width(), plain.Width() + 2);
    EXPECT_EQ(Calc->Button(1)->Left(), plain.Button(1)->Left() + 1);
}

TEST_F(PopupCalculator, CloseUpThroughTheOwner)
{
    struct {
        const char* Name;
        Variant Start;
        std::vector<std::pair<Qt::Key, const char*>> Keys;   // a key, or text when Key is 0
        std::vector<bool> CloseUps;
        double Value;
    } cases[] = {
        {"unchanged", Variant(12.5), {{Qt::Key_Return, nullptr}}, {true}, 12.5},
        {"no value", Variant::Null(), {{Qt::Key(0), "7"}, {Qt::Key_Return, nullptr}}, {true}, 7},
        {"= computes first",
         Variant(2.0),
         {{Qt::Key(0), "+3"}, {Qt::Key_Return, nullptr}, {Qt::Key_Return, nullptr}},
         {true},
         5},
        {"= typed", Variant(4.0), {{Qt::Key(0), "*2=="}}, {true}, 8},
        {"escape", Variant(3.0), {{Qt::Key(0), "9"}, {Qt::Key_Escape, nullptr}}, {false}, 9},
    };
    for (const auto& c : cases) {
        Form->CloseUps.clear();
        Calc->SetValue(c.Start);
        for (const auto& [key, text] : c.Keys) {
            if (key)
                QTest::keyClick(Calc->Widget(), key);
            else
                Type(text);
        }
        EXPECT_EQ(Form->CloseUps, c.CloseUps) << c.Name;
        EXPECT_EQ(Calc->GetValue().AsDouble(), c.Value) << c.Name;
    }
}

TEST_F(PopupCalculator, SetValueClearsThePendingOperation)
{
    Type("5+");
    Calc->SetValue(Variant(2.0));
    EXPECT_EQ(Calc->DisplayText(), "2");
    EXPECT_EQ(Calc->PendingOperator(), U'=');
    EXPECT_TRUE(Calc->EnterClosesPopup());
    Type("3");
    EXPECT_TRUE(Calc->EnterClosesPopup()) << "no operation pending: Enter keeps the value";
}

TEST_F(PopupCalculator, AnErrorIsAnErrorVariant)
{
    Calc->SetValue(Variant(1.0));
    Type("/0=");
    EXPECT_EQ(Calc->GetValue().VarType(), TVarType::varError);
    EXPECT_TRUE(Form->CloseUps.empty()) << "the '=' that divides does not close";
    Type("=");
    EXPECT_EQ(Form->CloseUps, std::vector<bool>{true}) << "the owner decides about the error";
}

TEST_F(PopupCalculator, CancelButtonAndCloseMessageDiscard)
{
    for (int tag = 1; tag <= CalcButtonCountLt; ++tag)
        if (Calc->Button(tag)->Caption() == "Cancel")
            QTest::mouseClick(Calc->Button(tag)->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    Calc->Perform(WM_CALCCLOSEUP);
    EXPECT_EQ(Form->CloseUps, (std::vector<bool>{false, false}));
}

TEST_F(PopupCalculator, FlatSetsTheButtonsLook)
{
    EXPECT_TRUE(Calc->GetFlat());
    EXPECT_TRUE(Calc->Button(5)->Flat());
    Calc->SetFlat(false);
    EXPECT_FALSE(Calc->Button(5)->Flat());
    Calc->SetFlat(true);
    EXPECT_TRUE(Calc->Button(5)->Flat());
}

TEST_F(PopupCalculator, WithoutAnOwnerClosingDoesNothing)
{
    TPopupCalculatorLt alone(nullptr);
    alone.SetValue(Variant(1.0));
    alone.HandleCalcKey(U'=');
    alone.Perform(WM_CALCCLOSEUP);
    EXPECT_EQ(alone.DisplayText(), "1");
}

} // namespace
