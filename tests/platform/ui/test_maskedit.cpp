// Masked edits: the mask language, typing through QTest, the text with and
// without literals, and the error of an incomplete text.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "controltesting.h"
#include "platform/ui/beep.h"
#include "platform/ui/maskedit.h"

namespace {

struct TTypingCase {
    const char* Mask;
    const char* Keys;
    const char* EditText;
    const char* Text;
    int Beeps;
};

class MaskEditTyping : public ::testing::TestWithParam<TTypingCase> {};

TEST_P(MaskEditTyping, KeysFillTheMaskPositionByPosition)
{
    const TTypingCase& c = GetParam();
    TForm form(nullptr);
    auto* edit = new TMaskEdit(&form);
    edit->SetParent(&form);
    edit->SetEditMask(c.Mask);
    ShowForm(form, 200, 60);
    edit->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return edit->Focused(); }));
    edit->SetSelStart(0);
    int beeps = 0;
    const TMessageBeepHook old = SetMessageBeepHook([&](unsigned) { ++beeps; });
    QTest::keyClicks(edit->Widget(), c.Keys);
    SetMessageBeepHook(old);
    EXPECT_EQ(edit->EditText(), c.EditText);
    EXPECT_EQ(edit->Text(), c.Text);
    EXPECT_EQ(beeps, c.Beeps);
}

// Masks and what typing into them gives (FormatSettings: '.' dates, ':' times).
INSTANTIATE_TEST_SUITE_P(
    Masks, MaskEditTyping,
    ::testing::Values(
        TTypingCase{"!99/99/0000;1;_", "12032024", "12.03.2024", "12.03.2024", 0},
        TTypingCase{"!99/99/0000;1;_", "1x2", "12.__.____", "12.  .    ", 1},
        TTypingCase{"00:00;1;_", "0930", "09:30", "09:30", 0},
        TTypingCase{"(999)000-0000;0;_", "8005551234", "(800)555-1234", "8005551234", 0},
        TTypingCase{"(999)000-0000;0;*", "80", "(80*)***-****", "80        ", 0},
        TTypingCase{">LL<ll;1;_", "abCD", "ABcd", "ABcd", 0},
        TTypingCase{"LL;1;_", "a1b", "ab", "ab", 1},
        TTypingCase{"AAa;1;_", "1b-", "1b_", "1b ", 1},
        TTypingCase{"CC;1;_", " !", " !", " !", 0},
        TTypingCase{"##;1;_", "-5", "-5", "-5", 0},
        TTypingCase{"\\A0;1;_", "A7", "A7", "A7", 0},
        TTypingCase{"99.99;1;_", "1.23", "1_.23", "1 .23", 0},
        TTypingCase{"00;1;_", "123", "12", "12", 1}));

TEST(MaskEdit, BackspaceAndDeleteBlankPositionsAndSkipLiterals)
{
    TForm form(nullptr);
    auto* edit = new TMaskEdit(&form);
    edit->SetParent(&form);
    edit->SetEditMask("00/00;1;_");
    ShowForm(form, 200, 60);
    edit->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return edit->Focused(); }));
    edit->SetText("12.34");
    edit->SetSelStart(3);
    QTest::keyClick(edit->Widget(), Qt::Key_Backspace);
    EXPECT_EQ(edit->EditText(), "1_.34") << "Backspace steps over the literal";
    EXPECT_EQ(edit->SelStart(), 1);
    QTest::keyClick(edit->Widget(), Qt::Key_Delete);
    EXPECT_EQ(edit->EditText(), "1_.34") << "the blank position stays blank";
    edit->SetSelStart(2);
    QTest::keyClick(edit->Widget(), Qt::Key_Delete);
    EXPECT_EQ(edit->EditText(), "1_._4");
    edit->SetSelStart(0);
    edit->SetSelLength(5);
    QTest::keyClick(edit->Widget(), Qt::Key_Delete);
    EXPECT_EQ(edit->EditText(), "__.__") << "a selection blanks but keeps the literals";
    EXPECT_TRUE(edit->Modified());
}

TEST(MaskEdit, SettingTextFollowsTheSaveLiteralsFieldAndLeadingBlanks)
{
    struct TCase {
        const char* Mask;
        const char* Text;
        const char* EditText;
    } const cases[] = {
        {"00/00;1;_", "12.34", "12.34"},
        {"00/00;1;_", "1", "1_.__"},
        {"00/00;0;_", "1234", "12.34"},
        {"00/00;0;_", "12", "12.__"},
        {"!00/00;0;_", "12", "__.12"},
        {"LL;1;_", "a1", "a_"},
        {"", "free text", "free text"},
    };
    TMaskEdit edit(nullptr);
    for (const TCase& c : cases) {
        edit.SetEditMask("");
        edit.SetText("");
        edit.SetEditMask(c.Mask);
        edit.SetText(c.Text);
        EXPECT_EQ(edit.EditText(), c.EditText) << c.Mask << " <- " << c.Text;
        EXPECT_FALSE(edit.Modified());
    }
}

TEST(MaskEdit, ValidateEditRejectsAnIncompleteChangedTextAndPointsAtTheGap)
{
    TForm form(nullptr);
    auto* edit = new TMaskEdit(&form);
    edit->SetParent(&form);
    edit->SetEditMask("00/99/0000;1;_");
    ShowForm(form, 200, 60);
    edit->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return edit->Focused(); }));
    EXPECT_NO_THROW(edit->ValidateEdit()) << "an untouched empty text is left alone";

    edit->SetSelStart(0);
    QTest::keyClicks(edit->Widget(), "01");
    edit->SetSelStart(6);
    QTest::keyClicks(edit->Widget(), "20");
    EXPECT_EQ(edit->EditText(), "01.__.20__");
    try {
        edit->ValidateEdit();
        FAIL() << "no error for a missing year digit";
    } catch (const EDBEditError& e) {
        EXPECT_EQ(e.Message(), "Invalid input value.  Use escape key to abandon changes");
    }
    EXPECT_EQ(edit->SelStart(), 8) << "the caret goes to the first required blank";
    QTest::keyClicks(edit->Widget(), "24");
    EXPECT_NO_THROW(edit->ValidateEdit()) << "optional day positions may stay blank";
}

TEST(MaskEdit, TheEditRectangleKeepsTheTextInsideIt)
{
    TForm form(nullptr);
    auto* edit = new TMaskEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(0, 0, 120, 24);
    ShowForm(form, 200, 60);
    edit->SetEditRect(TRect{20, 0, 90, 24});
    const QMargins margins = static_cast<QLineEdit*>(edit->Widget())->textMargins();
    EXPECT_EQ(margins.left(), 20);
    EXPECT_EQ(margins.right(), 30);
    EXPECT_EQ(edit->EditRect(), (TRect{20, 0, 90, 24}));
}

} // namespace
