#include "tests/app/captionfit.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include "platform/ui/comctrls.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/qtconvert.h"
#include "platform/ui/stdctrls.h"

namespace {

// The caption as drawn: "&x" underlines x, "&&" is one ampersand.
QString Shown(const std::string& Caption)
{
    QString text = ToQString(Caption);
    QString shown;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

int TextWidth(const TControl& Control, const std::string& Caption)
{
    return QFontMetrics(ToQFont(*Control.Font())).horizontalAdvance(Shown(Caption));
}

bool ShownOnScreen(const TControl& Control)
{
    for (const TControl* c = &Control; c; c = c->Parent())
        if (!c->Visible())
            return false;
    return true;
}

// Needs and has, in pixels along the axis the caption may be cut on; false
// when the control shows no caption of its own.
bool Measure(const TControl& Control, int& Needs, int& Has)
{
    const std::string caption = Control.Caption();
    if (caption.empty())
        return false;
    if (dynamic_cast<const TCheckBox*>(&Control) || dynamic_cast<const TRadioButton*>(&Control)) {
        // The caption starts after the box or ring and the gap behind it.
        auto* button = static_cast<QAbstractButton*>(Control.Widget());
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = dynamic_cast<const TRadioButton*>(&Control);
        Needs = TextWidth(Control, caption);
        Has = button->style()
                  ->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option,
                                   button)
                  .width();
        return true;
    }
    if (dynamic_cast<const TButton*>(&Control)) {
        auto* button = static_cast<QPushButton*>(Control.Widget());
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        Needs = TextWidth(Control, caption);
        Has = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        return true;
    }
    if (dynamic_cast<const TGroupBox*>(&Control)) {
        auto* box = static_cast<QGroupBox*>(Control.Widget());
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        Needs = label.left() + label.width();
        Has = box->width();
        return true;
    }
    if (const auto* label = dynamic_cast<const TLabel*>(&Control)) {
        const QFontMetrics metrics(ToQFont(*Control.Font()));
        if (label->WordWrap()) {
            Needs = metrics.boundingRect(QRect(0, 0, Control.Width(), 10000), Qt::TextWordWrap, Shown(caption))
                        .height();
            Has = Control.Height();
        } else {
            Needs = TextWidth(Control, caption);
            Has = Control.Width();
        }
        return true;
    }
    if (const auto* panel = dynamic_cast<const TPanel*>(&Control)) {
        const int bevels = (panel->BevelOuter() != bvNone) + (panel->BevelInner() != bvNone);
        Needs = TextWidth(Control, caption);
        Has = Control.Width() - 2 * (bevels * panel->BevelWidth() + panel->BorderWidth());
        return true;
    }
    if (const auto* button = dynamic_cast<const TSpeedButton*>(&Control)) {
        const int glyph = button->Glyph()->Empty() ? 0 : button->Glyph()->Width() / std::max(1, button->NumGlyphs());
        // The face's frame takes two pixels a side.
        Needs = TextWidth(Control, caption) + glyph;
        Has = Control.Width() - 4;
        return true;
    }
    if (const auto* button = dynamic_cast<const TToolButton*>(&Control)) {
        const auto* bar = dynamic_cast<const TToolBar*>(button->Parent());
        if (!bar || !bar->ShowCaptions())
            return false;
        Needs = TextWidth(Control, caption);
        Has = Control.Width() - 4;
        return true;
    }
    return false;
}

void Walk(const TWinControl& Parent, std::vector<TClippedCaption>& Clipped)
{
    for (int i = 0; i < Parent.ControlCount(); ++i) {
        const TControl* control = Parent.Controls(i);
        if (!ShownOnScreen(*control))
            continue;
        int needs = 0, has = 0;
        if (Measure(*control, needs, has) && needs > has)
            Clipped.push_back({control->Name(), control->Caption(), needs, has});
        if (const auto* container = dynamic_cast<const TWinControl*>(control))
            Walk(*container, Clipped);
    }
}

} // namespace

std::vector<TClippedCaption> ClippedCaptions(const TWinControl& Root)
{
    std::vector<TClippedCaption> clipped;
    Walk(Root, clipped);
    return clipped;
}

std::string Describe(const std::vector<TClippedCaption>& Clipped)
{
    std::string text;
    for (const TClippedCaption& c : Clipped)
        text += c.Control + " '" + c.Caption + "' needs " + std::to_string(c.Needs) + " px, has " +
                std::to_string(c.Has) + "\n";
    return text;
}
