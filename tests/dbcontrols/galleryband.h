#pragma once
// A band of the gallery: a form of its own with controls of one kind under
// their captions, three to a row.
#include <memory>

#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

template <class TControlKind>
class TGalleryBand {
public:
    TGalleryBand(const char* Caption, int Top) : Form(std::make_unique<TForm>(nullptr))
    {
        Form->SetCaption(Caption);
        Form->SetColor(clBtnFace);
        Form->SetBounds(40, Top, 580, 120);
    }

    // A new control under Caption, in the next place.
    TControlKind* Place(const char* Caption)
    {
        auto* control = new TControlKind(Form.get());
        const int left = 10 + (FSlot % 3) * kColumn, top = 8 + (FSlot / 3) * kRow;
        ++FSlot;
        auto* label = new TLabel(Form.get());
        label->SetParent(Form.get());
        label->SetCaption(Caption);
        label->SetBounds(left, top, kColumn - 20, 16);
        control->SetParent(Form.get());
        control->SetBounds(left, top + 18, kColumn - 30, control->Height());
        return control;
    }

    std::unique_ptr<TForm> Form;

private:
    static constexpr int kColumn = 190, kRow = 50;
    int FSlot = 0;
};
