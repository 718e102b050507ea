#pragma once
// The number edit's looks for the gallery: the lamp count with its up/down
// pair, a coordinate in '0.00', a grouped amount, a flat one and one left
// for dropping its calculator down, in a form of their own.
#include <memory>

#include "dbcontrols/dbnumberedit.h"
#include "dbcontrols/popupcalculatorlt.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

// Dropped: the number edit to drop its calculator down once the form shows.
inline std::unique_ptr<TForm> MakeNumberEditsGallery(TDBNumberEditLt*& Dropped)
{
    auto form = std::make_unique<TForm>(nullptr);
    form->SetCaption("Number edits");
    form->SetColor(clBtnFace);
    form->SetBounds(40, 460, 580, 120);
    constexpr int kColumn = 190, kRow = 50;
    int slot = 0;
    auto place = [&](const char* Caption) {
        auto* edit = new TDBNumberEditLt(form.get());
        const int left = 10 + (slot % 3) * kColumn, top = 8 + (slot / 3) * kRow;
        ++slot;
        auto* label = new TLabel(form.get());
        label->SetParent(form.get());
        label->SetCaption(Caption);
        label->SetBounds(left, top, kColumn - 20, 16);
        edit->SetParent(form.get());
        edit->SetBounds(left, top + 18, kColumn - 30, edit->Height());
        return edit;
    };

    TDBNumberEditLt* lamps = place("lamps 1..16, up/down");
    lamps->EditButton()->SetStyle(ebsUpDownLt);
    lamps->EditButton()->SetVisible(true);
    lamps->SetDecimalPlaces(0);
    lamps->SetMinValue(1);
    lamps->SetMaxValue(16);
    lamps->SetValue(Variant(8.0));

    TDBNumberEditLt* angle = place("angle, '0.00'");
    angle->SetDisplayFormat("0.00");
    angle->SetValue(Variant(-45.5));

    TDBNumberEditLt* amount = place("currency, grouped");
    amount->SetCurrency(true);
    amount->SetValue(Variant(1234567.891));

    TDBNumberEditLt* flat = place("flat, drop-down button");
    flat->SetFlat(true);
    flat->SetAlwaysShowBorder(true);
    flat->EditButton()->SetVisible(true);
    flat->SetValue(Variant(0.25));

    TDBNumberEditLt* empty = place("Null, disabled");
    empty->SetEnabled(false);

    TDBNumberEditLt* calc = place("calculator dropped down");
    calc->EditButton()->SetVisible(true);
    calc->SetValue(Variant(12.5));
    Dropped = calc;
    return form;
}
