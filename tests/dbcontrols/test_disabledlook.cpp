// Disabled editors, combo boxes, number edits and check boxes look disabled:
// grey text on the style's disabled background, as the standard edit shows.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QPalette>

#include "dbcontrols/dbcheckboxlt.h"
#include "dbcontrols/dbcombobox.h"
#include "dbcontrols/dbnumberedit.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "tests/platform/ui/controltesting.h"

namespace {

TEST(DisabledLook, EditorsShowGreyTextOnTheDisabledBackground)
{
    TestApplication();
    TForm form(nullptr);
    auto place = [&form](TWinControl* Control, int Top) {
        Control->SetParent(&form);
        Control->SetBounds(10, Top, 120, 21);
    };
    auto* standard = new TEdit(&form);
    place(standard, 10);
    standard->SetText("8888");
    auto* combo = new TDBComboBoxLt(&form);
    place(combo, 40);
    combo->SetText("8888");
    auto* number = new TDBNumberEditLt(&form);
    place(number, 70);
    number->SetValue(Variant(8888.0));
    ShowForm(form, 200, 110);

    const QPalette palette = QApplication::palette();
    const TColor disabledText = FromQColor(palette.color(QPalette::Disabled, QPalette::Text));
    const TColor disabledBase = FromQColor(palette.color(QPalette::Disabled, QPalette::Base));
    ASSERT_NE(ColorToRGB(disabledText), ColorToRGB(clWindowText));
    ASSERT_NE(ColorToRGB(disabledBase), ColorToRGB(clWindow));
    for (TEdit* control : std::vector<TEdit*>{standard, combo, number}) {
        SCOPED_TRACE(control->ClassName());
        control->SetEnabled(true);
        control->SetSelLength(0);   // the focused one shows its text unselected
        QImage image = Grab(*control);
        EXPECT_TRUE(Shows(image, clWindowText, 20));
        EXPECT_EQ(PixelColor(image, image.width() / 2, 3), ColorToRGB(clWindow));

        control->SetEnabled(false);
        image = Grab(*control);
        EXPECT_FALSE(Shows(image, clWindowText, 20)) << "no black text";
        EXPECT_TRUE(Shows(image, disabledText, 20)) << "the disabled text colour";
        EXPECT_EQ(PixelColor(image, image.width() / 2, 3), disabledBase);
    }
}

TEST(DisabledLook, ACheckBoxGreysItsBoxAndCaption)
{
    TestApplication();
    TForm form(nullptr);
    auto* box = new TDBCheckBoxLt(&form);
    box->SetParent(&form);
    box->SetBounds(10, 10, 120, 17);
    box->SetCaption("Channel");
    box->SetState(cbChecked);
    ShowForm(form, 200, 60);
    TRect check, caption;
    box->GetLayout(check, caption);
    const QImage enabled = Grab(*box).copy(check.Left, check.Top, check.Width(), check.Height());
    EXPECT_TRUE(Shows(Grab(*box), clWindowText, 20));
    box->SetEnabled(false);
    const QImage disabled = Grab(*box).copy(check.Left, check.Top, check.Width(), check.Height());
    EXPECT_NE(enabled, disabled) << "the box";
    EXPECT_FALSE(Shows(Grab(*box), clWindowText, 20)) << "no black mark or caption";
}

} // namespace
