#pragma once
// The calculator popup for the gallery: one flat, in the middle of a sum
// (the equals button reads "="), and one raised showing a value.
#include <utility>

#include "dbcontrols/popupcalculatorlt.h"

inline std::pair<TPopupCalculatorLt*, TPopupCalculatorLt*> MakeGalleryCalculators(TWinControl* Parent)
{
    auto make = [Parent](int Left) {
        auto* calc = new TPopupCalculatorLt(Parent);
        calc->SetParent(Parent);
        calc->SetLeft(Left);
        calc->SetTop(300);
        calc->Show();
        return calc;
    };
    TPopupCalculatorLt* flat = make(620);
    flat->SetValue(Variant(200.0));
    for (const char32_t key : U"+10")
        if (key)
            flat->HandleCalcKey(key);
    TPopupCalculatorLt* raised = make(820);
    raised->SetFlat(false);
    raised->SetValue(Variant(-12.5));
    return {flat, raised};
}
