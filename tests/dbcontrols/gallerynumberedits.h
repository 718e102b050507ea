#pragma once
// The number edit's looks for the gallery: the lamp count with its up/down
// pair, a coordinate in '0.00', a grouped amount, a flat one and one left
// for dropping its calculator down, in a form of their own.
#include <memory>

#include "dbcontrols/dbnumberedit.h"
#include "dbcontrols/popupcalculatorlt.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "tests/dbcontrols/galleryband.h"

// Dropped: the number edit to drop its calculator down once the form shows.
inline std::unique_ptr<TForm> MakeNumberEditsGallery(TDBNumberEditLt*& Dropped)
{
    TGalleryBand<TDBNumberEditLt> band("Number edits", 460);
    auto place = [&band](const char* Caption) { return band.Place(Caption); };

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
    return std::move(band.Form);
}
