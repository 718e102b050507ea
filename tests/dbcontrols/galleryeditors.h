#pragma once
// The edit base's looks for the gallery: classic and flat editors with
// buttons, an image and the required mark, right-aligned (painted by the
// editor itself) and disabled, in a form of their own.
#include <memory>

#include "dbcontrols/dbeditlt.h"
#include "platform/ui/forms.h"
#include "platform/ui/imglist.h"
#include "platform/ui/stdctrls.h"

inline std::unique_ptr<TForm> MakeEditorsGallery(TCustomImageList* Images)
{
    auto form = std::make_unique<TForm>(nullptr);
    form->SetCaption("Editors");
    form->SetColor(clBtnFace);
    form->SetBounds(40, 40, 470, 190);
    struct TLook {
        const char* Caption;
        const char* Text;
        bool Flat;
        bool Ctl3D;
        bool AlwaysShowBorder;
        int ExtraButtons;
        bool Image;
        bool Required;
        bool Right;
        bool Disabled;
    };
    const TLook looks[] = {
        {"classic", "Канал 1", false, true, false, 0, false, false, false, false},
        {"classic, buttons, image", "Канал 2", false, true, false, 2, true, false, false, false},
        {"flat", "Канал 3", true, true, false, 0, false, false, false, false},
        {"flat, border, buttons, image", "Канал 4", true, true, true, 2, true, false, false, false},
        {"plain frame", "Канал 5", false, false, false, 1, false, false, false, false},
        {"required, empty", "", true, true, true, 0, false, true, false, false},
        {"right-aligned", "Канал 7", false, true, false, 1, false, false, true, false},
        {"classic, disabled", "Канал 8", false, true, false, 1, false, false, false, true},
        {"right-aligned, disabled", "Канал 9", false, true, false, 1, false, false, true, true},
        {"flat, border, disabled", "Канал 10", true, true, true, 1, false, false, false, true},
    };
    int top = 8;
    for (const TLook& look : looks) {
        auto* label = new TLabel(form.get());
        label->SetParent(form.get());
        label->SetBounds(8, top + 4, 190, 16);
        label->SetCaption(look.Caption);
        auto* edit = new TCustomDBEditLt(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(200, top, 250, 21);
        edit->SetFlat(look.Flat);
        edit->SetCtl3D(look.Ctl3D);
        edit->SetAlwaysShowBorder(look.AlwaysShowBorder);
        edit->EditButton()->SetVisible(true);
        for (int i = 0; i < look.ExtraButtons; ++i)
            edit->EditButtons()->Add()->SetStyle(i == 0 ? ebsEllipsisLt : ebsPlusLt);
        if (look.Image) {
            edit->EditImage()->SetImages(Images);
            edit->EditImage()->SetVisible(true);
            edit->SetOnGetImageIndex([](TObject*, int& Index) { Index = 1; });
        }
        edit->SetHighlightRequired(look.Required);
        edit->SetText(look.Text);
        if (look.Right)
            edit->SetAlignment(taRightJustify);
        edit->SetEnabled(!look.Disabled);
        top += edit->Height() + 8;
    }
    form->SetHeight(top + 8);
    return form;
}
