// The editor draws its own text while unfocused and aligned right or
// centred, through PaintCopyText, and paints copies of itself (a grid's
// cells) the same way.
#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QImage>

#include "dbcontrols/dbnumberedit.h"
#include "platform/ui/forms.h"
#include "platform/ui/picture.h"
#include "platform/ui/stdctrls.h"
#include "tests/platform/ui/canvastesting.h"
#include "tests/platform/ui/controltesting.h"

namespace {

// A number edit that counts the texts it is asked to paint.
class TCountingNumberEdit : public TDBNumberEditLt {
public:
    using TDBNumberEditLt::TDBNumberEditLt;
    mutable int Asked = 0;

protected:
    std::string PaintCopyText() const override
    {
        ++Asked;
        return TDBNumberEditLt::PaintCopyText();
    }
};

TEST(PaintCopy, UnfocusedRightAlignedTextIsTheEditorsOwnAndACopyShowsIt)
{
    TestApplication();
    TForm form(nullptr);
    auto* edit = new TCountingNumberEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, 10, 120, 21);
    edit->SetValue(Variant(8888.0));
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    other->SetBounds(10, 50, 120, 21);
    ShowForm(form, 200, 100);
    other->SetFocus();
    QApplication::processEvents();

    ASSERT_EQ(edit->Alignment(), taRightJustify);
    ASSERT_TRUE(edit->PaintsItsText());
    edit->Asked = 0;
    const QImage unfocused = Grab(*edit);
    EXPECT_GT(edit->Asked, 0);
    // The text sits at the right of the text area.
    const TRect ink = InkBounds(unfocused.copy(3, 3, unfocused.width() - 6, unfocused.height() - 6), clWindow);
    ASSERT_FALSE(IsRectEmpty(ink));
    EXPECT_GT(ink.Left, (unfocused.width() - 6) / 2);

    edit->SetFocus();
    QApplication::processEvents();
    EXPECT_FALSE(edit->PaintsItsText()) << "the edit window shows the text being edited";
    edit->Asked = 0;
    Grab(*edit);
    EXPECT_EQ(edit->Asked, 0);
    other->SetFocus();
    QApplication::processEvents();

    // A copy into a cell: right-aligned in the cell, grey while disabled.
    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        edit->SetEnabled(enabled);
        TBitmap cell;
        cell.SetSize(100, 18);
        edit->PaintCopy(cell.Canvas(), Rect(0, 0, 100, 18));
        const TRect text = InkBounds(cell, ColorToRGB(clWindow));
        ASSERT_FALSE(IsRectEmpty(text));
        EXPECT_GT(text.Left, 50);
        EXPECT_LE(text.Right, 100);
        bool black = false;
        for (int y = text.Top; y < text.Bottom; ++y)
            for (int x = text.Left; x < text.Right; ++x) {
                const TColor c = ColorToRGB(cell.Canvas()->Pixels(x, y));
                black = black || ((c & 0xFF) < 40 && ((c >> 8) & 0xFF) < 40 && ((c >> 16) & 0xFF) < 40);
            }
        EXPECT_EQ(black, enabled);
    }
}

} // namespace
