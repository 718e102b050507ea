#pragma once
// The check box's looks for the gallery: themed, classic, flat and flat
// with its ring always shown (rows) in each state, disabled, pressed and with
// the caption at the left (columns), in a form of their own.
#include <iterator>
#include <memory>

#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/dbcheckboxlt.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

// A check box that paints its glyph themed or not, whatever the global
// switch says, so both looks show side by side; a held one shows pressed.
class TGalleryCheckBox : public TDBCheckBoxLt {
public:
    TGalleryCheckBox(TComponent* AOwner, bool Themed, bool Held)
        : TDBCheckBoxLt(AOwner), FThemed(Themed), FHeld(Held)
    {
    }

protected:
    void PaintCheckGlyph(TCanvas* Canvas, const TRect& CheckRect, TCheckBoxState AState, bool Focused, bool Pressed,
                         bool Hot) override
    {
        const bool themes = ButtonThemesEnabled();
        SetButtonThemesEnabled(FThemed);
        TDBCheckBoxLt::PaintCheckGlyph(Canvas, CheckRect, AState, Focused, Pressed || FHeld, Hot);
        SetButtonThemesEnabled(themes);
    }

private:
    bool FThemed;
    bool FHeld;
};

inline std::unique_ptr<TForm> MakeCheckBoxesGallery()
{
    auto form = std::make_unique<TForm>(nullptr);
    form->SetCaption("Check boxes");
    form->SetColor(clBtnFace);
    struct TLook {
        const char* Name;
        bool Themed;
        bool Flat;
        bool AlwaysShowBorder;
    };
    const TLook looks[] = {{"themed", true, false, false},
                           {"classic", false, false, false},
                           {"flat", false, true, false},
                           {"flat, border", false, true, true}};
    struct TColumn {
        const char* Caption;
        TCheckBoxState State;
        bool Enabled;
        bool Held;
        TAlignment Alignment;
    };
    const TColumn columns[] = {{"Канал 1", cbUnchecked, true, false, taRightJustify},
                               {"Канал 2", cbChecked, true, false, taRightJustify},
                               {"Канал 3", cbGrayed, true, false, taRightJustify},
                               {"Канал 4", cbUnchecked, false, false, taRightJustify},
                               {"Канал 5", cbChecked, false, false, taRightJustify},
                               {"Канал 6", cbGrayed, false, false, taRightJustify},
                               {"Канал 7", cbUnchecked, true, true, taRightJustify},
                               {"Канал 8", cbChecked, true, true, taRightJustify},
                               {"Канал 9", cbGrayed, true, true, taRightJustify},
                               {"Канал 10", cbChecked, true, false, taLeftJustify}};
    constexpr int labelWidth = 90, columnWidth = 100, rowHeight = 26;
    int top = 8;
    for (const TLook& look : looks) {
        auto* label = new TLabel(form.get());
        label->SetParent(form.get());
        label->SetBounds(8, top + 2, labelWidth - 8, 16);
        label->SetCaption(look.Name);
        int left = labelWidth;
        for (const TColumn& column : columns) {
            auto* box = new TGalleryCheckBox(form.get(), look.Themed, column.Held);
            box->SetParent(form.get());
            box->SetBounds(left, top, columnWidth - 10, 20);
            box->SetCaption(column.Caption);
            box->SetAllowGrayed(true);
            box->SetFlat(look.Flat);
            box->SetAlwaysShowBorder(look.AlwaysShowBorder);
            box->SetState(column.State);
            box->SetEnabled(column.Enabled);
            box->SetAlignment(column.Alignment);
            left += columnWidth;
        }
        top += rowHeight;
    }
    form->SetBounds(60, 60, labelWidth + static_cast<int>(std::size(columns)) * columnWidth + 8, top + 8);
    return form;
}
