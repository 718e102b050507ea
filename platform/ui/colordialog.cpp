#include <QColorDialog>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/qtconvert.h"

LT_IMPLEMENT_CLASS(TColorDialog, TCommonDialog)
{
    P.Property("Color", &TColorDialog::Color, &TColorDialog::SetColor).Default(clBlack).Idents(ColorIdents());
    P.Property("CustomColors", &TColorDialog::CustomColors);
    P.Property("Options", &TColorDialog::Options, &TColorDialog::SetOptions).Default(0);
}

namespace {
TColorDialogHook& ColorDialogHook()
{
    static TColorDialogHook hook;
    return hook;
}

std::string CustomColorName(int Index)
{
    return std::string("Color") + static_cast<char>('A' + Index);
}

std::string ToHex(TColor Color)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text(6, '0');
    for (int i = 5; i >= 0; --i, Color >>= 4)
        text[static_cast<std::size_t>(i)] = digits[Color & 0xF];
    return text;
}
} // namespace

void SetColorDialogHook(TColorDialogHook Hook)
{
    ColorDialogHook() = std::move(Hook);
}

TColorDialog::TColorDialog(TComponent* AOwner) : TCommonDialog(AOwner), FCustomColors(std::make_unique<TStringList>())
{
}

TColorDialog::~TColorDialog() = default;

bool TColorDialog::Execute()
{
    const int count = QColorDialog::customCount();
    for (int i = 0; i < count && i < 16; ++i) {
        const std::string value = FCustomColors->Values(CustomColorName(i));
        if (value.empty())
            continue;
        try {
            QColorDialog::setCustomColor(i, ToQColor(static_cast<TColor>(std::stoul(value, nullptr, 16))));
        } catch (const std::exception&) {
            throw EConvertError("'" + value + "' is not a colour of CustomColors");
        }
    }
    QColorDialog dialog;
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor(ToQColor(FColor));
    DoShow();
    const TColorDialogHook& hook = ColorDialogHook();
    const bool accepted = hook ? hook(dialog) : dialog.exec() == QDialog::Accepted;
    if (accepted) {
        FColor = FromQColor(dialog.currentColor());
        for (int i = 0; i < count && i < 16; ++i)
            FCustomColors->SetValues(CustomColorName(i), ToHex(FromQColor(QColorDialog::customColor(i))));
    }
    DoClose();
    return accepted;
}
