// The edit window in its multi-line mode: wrapping, the one-line edit's
// rules, and switching modes by recreating the window.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTextEdit>

#include "controltesting.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/widgetbridge.h"

namespace {
// An edit whose window is multi-line on request.
class TWrapEdit : public TEdit {
public:
    using TEdit::TEdit;
    void SetMultiLine(bool Value)
    {
        if (Value == FMultiLine)
            return;
        FMultiLine = Value;
        RecreateWnd();
    }

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TEdit::CreateParams(Params);
        if (FMultiLine)
            Params.Style = (Params.Style | ES_MULTILINE) & ~ES_AUTOHSCROLL;
    }

private:
    bool FMultiLine = false;
};

// Types Text (Russian letters included) one character at a time.
void TypeText(QWidget* Widget, const QString& Text)
{
    for (const QChar ch : Text) {
        QTest::sendKeyEvent(QTest::Press, Widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, Widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

const char* const kLongText = "Красный свет над сценой гаснет, синий загорается по очереди";
} // namespace

TEST(MultiLineEdit, WrapsALongTextIntoLinesAndTheCaretMovesBetweenThem)
{
    TForm form(nullptr);
    auto* edit = new TWrapEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(0, 0, 120, 80);
    edit->SetText(kLongText);
    ShowForm(form, 200, 100);
    EXPECT_EQ(edit->LineCount(), 1);
    EXPECT_FALSE(edit->IsMultiLine());

    edit->SetMultiLine(true);
    ASSERT_TRUE(edit->IsMultiLine());
    EXPECT_NE(qobject_cast<QTextEdit*>(edit->Widget()), nullptr);
    EXPECT_EQ(edit->Text(), kLongText);
    EXPECT_GE(edit->LineCount(), 3) << "the text wraps at the window's width";
    const auto* memo = qobject_cast<QTextEdit*>(edit->Widget());
    EXPECT_FALSE(memo->horizontalScrollBar()->isVisible());

    edit->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return edit->Focused(); }));
    edit->SetSelStart(0);
    QTest::keyClick(edit->Widget(), Qt::Key_Down);
    EXPECT_EQ(edit->CaretLine(), 1);
    EXPECT_GT(edit->SelStart(), 0);
    QTest::keyClick(edit->Widget(), Qt::Key_Up);
    EXPECT_EQ(edit->CaretLine(), 0);
    EXPECT_EQ(edit->SelStart(), 0);
    QTest::keyClick(edit->Widget(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(edit->CaretLine(), edit->LineCount() - 1);
}

TEST(MultiLineEdit, KeepsTheOneLineEditsRulesForTextSelectionAndNotifications)
{
    TForm form(nullptr);
    auto* edit = new TWrapEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(0, 0, 120, 80);
    edit->SetMultiLine(true);
    int changes = 0;
    edit->SetOnChange([&](TObject*) { ++changes; });
    std::vector<unsigned> keys;
    edit->SetOnKeyDown([&](TObject*, unsigned& Key, TShiftState) { keys.push_back(Key); });
    edit->SetCharCase(ecUpperCase);
    edit->SetMaxLength(6);
    ShowForm(form, 200, 100);
    edit->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return edit->Focused(); }));

    TypeText(edit->Widget(), "свет-пульт");
    EXPECT_EQ(edit->Text(), "СВЕТ-П");
    EXPECT_EQ(changes, 6);
    EXPECT_TRUE(edit->Modified());
    QTest::keyClick(edit->Widget(), Qt::Key_Home);
    QTest::keyClick(edit->Widget(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(keys, (std::vector<unsigned>{VK_HOME, VK_SHIFT, VK_RIGHT}));
    EXPECT_EQ(edit->SelText(), "С") << "the caret keys work the window";

    edit->SetText("ёлка и сосна");
    EXPECT_EQ(edit->Text(), "ЁЛКА И");
    EXPECT_FALSE(edit->Modified()) << "the program's text is no modification";
    edit->SetMaxLength(0);
    edit->SetCharCase(ecNormal);
    edit->SetText("Ёлка и сосна");
    edit->SetSelStart(5);
    edit->SetSelLength(1);
    EXPECT_EQ(edit->SelText(), "и");
    edit->SetSelText("или");
    EXPECT_EQ(edit->Text(), "Ёлка или сосна");
    EXPECT_EQ(edit->SelStart(), 8);
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_TRUE(edit->Modified()) << "SelText is the user's kind of change";
    edit->SetSelStart(4);
    edit->SetSelLength(4);
    edit->ClearSelection();
    EXPECT_EQ(edit->Text(), "Ёлка сосна");

    edit->SetReadOnly(true);
    QTest::keyClicks(edit->Widget(), "z");
    EXPECT_EQ(edit->Text(), "Ёлка сосна");
    EXPECT_TRUE(edit->ReadOnly());
}

TEST(MultiLineEdit, SwitchingModesKeepsTextSelectionFocusStateAndChildren)
{
    TForm form(nullptr);
    auto* edit = new TWrapEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(0, 0, 120, 80);
    auto* child = new TEdit(&form);
    child->SetParent(edit);
    child->SetBounds(90, 0, 30, 20);
    ShowForm(form, 200, 100);
    edit->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return edit->Focused(); }));
    TypeText(edit->Widget(), "свет");
    edit->SetText(kLongText);
    edit->SetSelStart(8);
    edit->SetSelLength(5);
    edit->SetReadOnly(true);
    edit->SetModified(true);
    int changes = 0;
    edit->SetOnChange([&](TObject*) { ++changes; });

    for (const bool multiLine : {true, false, true}) {
        SCOPED_TRACE(multiLine);
        QWidget* before = edit->Widget();
        PostMessage(edit, WM_USER + 7, 0, 0);
        edit->SetMultiLine(multiLine);
        EXPECT_NE(edit->Widget(), before);
        EXPECT_EQ(edit->IsMultiLine(), multiLine);
        EXPECT_EQ(edit->Text(), kLongText);
        EXPECT_EQ(edit->SelStart(), 8);
        EXPECT_EQ(edit->SelLength(), 5);
        EXPECT_EQ(edit->SelText(), "свет ");
        EXPECT_TRUE(edit->ReadOnly());
        EXPECT_TRUE(edit->Modified());
        EXPECT_EQ(changes, 0) << "the new window's text is no change";
        EXPECT_TRUE(edit->Focused());
        EXPECT_EQ(edit->Widget()->geometry(), QRect(0, 0, 120, 80));
        EXPECT_EQ(child->Widget()->parentWidget(), edit->Widget()) << "children move to the new window";
        EXPECT_TRUE(child->Widget()->isVisible());
        EXPECT_TRUE(IsMessagePending(edit, WM_USER + 7));
        EXPECT_TRUE(WaitUntil([&] { return !IsMessagePending(edit, WM_USER + 7); }))
            << "a message posted to the old window still arrives";
    }
    EXPECT_EQ(FindControl(edit->Widget()), edit);
}
