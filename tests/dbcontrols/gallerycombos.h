#pragma once
// The combo box's looks for the gallery: text and key-based mode, flat with
// an image, an up/down pair, disabled, and one left for dropping down, in a
// form of their own.
#include <initializer_list>
#include <memory>

#include "dbcontrols/dbcombobox.h"
#include "platform/ui/forms.h"
#include "platform/ui/imglist.h"
#include "platform/ui/stdctrls.h"
#include "tests/dbcontrols/galleryband.h"

inline void SetGalleryStrings(TStrings* Target, std::initializer_list<const char*> Strings)
{
    Target->BeginUpdate();
    Target->Clear();
    for (const char* s : Strings)
        Target->Add(s);
    Target->EndUpdate();
}

// Dropped: the combo to drop down once the form shows.
inline std::unique_ptr<TForm> MakeCombosGallery(TCustomImageList* Images, TDBComboBoxLt*& Dropped)
{
    TGalleryBand<TDBComboBoxLt> band("Combo boxes", 300);
    auto place = [&band](const char* Caption) { return band.Place(Caption); };

    TDBComboBoxLt* numbers = place("text mode");
    SetGalleryStrings(numbers->Items(),
                      {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16"});
    numbers->SetItemIndex(2);

    TDBComboBoxLt* keyed = place("flat, key-based, image");
    keyed->SetFlat(true);
    keyed->SetAlwaysShowBorder(true);
    SetGalleryStrings(keyed->Items(), {"Красный", "Зелёный", "Синий"});
    SetGalleryStrings(keyed->KeyItems(), {"R", "G", "B"});
    keyed->EditImage()->SetImages(Images);
    keyed->EditImage()->SetVisible(true);
    keyed->SetValue(Variant("G"));

    TDBComboBoxLt* axes = place("up/down button");
    axes->EditButton()->SetStyle(ebsUpDownLt);
    SetGalleryStrings(axes->Items(), {"X", "Y", "Z"});
    axes->SetItemIndex(1);

    TDBComboBoxLt* disabled = place("disabled");
    SetGalleryStrings(disabled->Items(), {"COM1"});
    disabled->SetItemIndex(0);
    disabled->SetEnabled(false);

    TDBComboBoxLt* ports = place("dropped down, widest item");
    SetGalleryStrings(ports->Items(), {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0 (адаптер USB)", "/dev/ttyACM0"});
    ports->SetWidth(120);
    ports->DropDownBox()->SetWidth(-1);
    ports->DropDownBox()->SetSizable(true);
    ports->SetItemIndex(1);
    Dropped = ports;
    return std::move(band.Form);
}
