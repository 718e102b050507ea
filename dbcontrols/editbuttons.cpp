#include "dbcontrols/editbuttons.h"

#include <algorithm>

#include "dbcontrols/editbuttoncontrol.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/controls.h"

LT_IMPLEMENT_CLASS(TEditButtonLt, TCollectionItem)
{
    auto notLinked = [](auto linked) {
        return [linked](const TObject& Obj) {
            const auto* link = static_cast<const TEditButtonLt&>(Obj).ActionLink();
            return !link || !link->Action() || !(link->*linked)();
        };
    };
    P.Property("Action", &TEditButtonLt::Action, &TEditButtonLt::SetAction);
    P.Property("DropdownMenu", &TEditButtonLt::DropdownMenu, &TEditButtonLt::SetDropdownMenu);
    P.Property("Enabled", &TEditButtonLt::Enabled, &TEditButtonLt::SetEnabled)
        .Default(1)
        .StoredIf(notLinked(&TEditButtonActionLinkLt::IsEnabledLinked));
    P.Property("Glyph", &TEditButtonLt::Glyph);
    P.Property("Hint", &TEditButtonLt::Hint, &TEditButtonLt::SetHint)
        .StoredIf(notLinked(&TEditButtonActionLinkLt::IsHintLinked));
    P.Property("NumGlyphs", &TEditButtonLt::NumGlyphs, &TEditButtonLt::SetNumGlyphs).Default(1);
    P.Property("ShortCut", &TEditButtonLt::ShortCut, &TEditButtonLt::SetShortCut)
        .Default(0)
        .StoredIf([linked = notLinked(&TEditButtonActionLinkLt::IsShortCutLinked)](const TObject& Obj) {
            const auto& button = static_cast<const TEditButtonLt&>(Obj);
            return linked(Obj) && button.ShortCut() != button.StoredDefaultShortCut();
        });
    P.Property("Style", &TEditButtonLt::Style, &TEditButtonLt::SetStyle).Default(ebsDropDownLt);
    P.Property("Visible", &TEditButtonLt::Visible, &TEditButtonLt::SetVisible)
        .StoredIf([linked = notLinked(&TEditButtonActionLinkLt::IsVisibleLinked)](const TObject& Obj) {
            const auto& button = static_cast<const TEditButtonLt&>(Obj);
            return linked(Obj) && button.Visible() != button.StoredDefaultVisible();
        });
    P.Property("Width", &TEditButtonLt::Width, &TEditButtonLt::SetWidth).Default(0);
    P.Property("OnClick", &TEditButtonLt::OnClick, &TEditButtonLt::SetOnClick);
    P.Property("OnDown", &TEditButtonLt::OnDown, &TEditButtonLt::SetOnDown);
}

LT_IMPLEMENT_CLASS(TDropDownEditButtonLt, TEditButtonLt) {}
LT_IMPLEMENT_CLASS(TVisibleEditButtonLt, TEditButtonLt) {}
LT_IMPLEMENT_CLASS(TEditButtonsLt, TCollection) {}

// ---- TEditButtonActionLinkLt ---------------------------------------------

bool TEditButtonActionLinkLt::IsEnabledLinked() const
{
    const TCustomAction* action = CustomAction();
    return action && action->Enabled() == FClient->Enabled();
}

bool TEditButtonActionLinkLt::IsHintLinked() const
{
    const TCustomAction* action = CustomAction();
    return action && action->Hint() == FClient->Hint();
}

bool TEditButtonActionLinkLt::IsShortCutLinked() const
{
    const TCustomAction* action = CustomAction();
    return action && action->ShortCut() == FClient->ShortCut();
}

bool TEditButtonActionLinkLt::IsVisibleLinked() const
{
    const TCustomAction* action = CustomAction();
    return action && action->Visible() == FClient->Visible();
}

void TEditButtonActionLinkLt::SetEnabled(bool Value)
{
    if (IsEnabledLinked())
        FClient->SetEnabled(Value);
}

void TEditButtonActionLinkLt::SetHint(const std::string& Value)
{
    if (IsHintLinked())
        FClient->SetHint(Value);
}

void TEditButtonActionLinkLt::SetShortCut(TShortCut Value)
{
    if (IsShortCutLinked())
        FClient->SetShortCut(Value);
}

void TEditButtonActionLinkLt::SetVisible(bool Value)
{
    if (IsVisibleLinked())
        FClient->SetVisible(Value);
}

void TEditButtonActionLinkLt::ActionAssigned()
{
    const TCustomAction* action = CustomAction();
    if (!action)
        return;
    // While loading, the button's own stored values win over the action's.
    const bool loading = FClient->IsLoading();
    if (!loading || FClient->Enabled())
        FClient->SetEnabled(action->Enabled());
    if (!loading || FClient->Hint().empty())
        FClient->SetHint(action->Hint());
    if (!loading || FClient->ShortCut() == scNone)
        FClient->SetShortCut(action->ShortCut());
    if (!loading || FClient->Visible())
        FClient->SetVisible(action->Visible());
}

// ---- TEditButtonLt -------------------------------------------------------

TEditButtonLt::TEditButtonLt(TCollection* Collection) : TCollectionItem(Collection), FGlyph(std::make_unique<TBitmap>())
{
    FGlyph->SetTransparent(true);
    FGlyph->SetOnChange([this](TGraphic*) { Changed(); });
}

TEditButtonLt::TEditButtonLt(TWinControl* EditControl) : TEditButtonLt(static_cast<TCollection*>(nullptr))
{
    FEditControl = EditControl;
}

TEditButtonLt::~TEditButtonLt()
{
    FGlyph->SetOnChange(nullptr);
}

void TEditButtonLt::InitDefaults()
{
    FShortCut = DefaultShortCut();
    FVisible = DefaultVisible();
}

bool TEditButtonLt::IsLoading() const
{
    const auto* owner = FEditControl ? FEditControl : dynamic_cast<const TComponent*>(
                                                          Collection() ? Collection()->GetOwner() : nullptr);
    return owner && owner->ComponentState().Contains(csLoading);
}

void TEditButtonLt::Changed()
{
    if (FOnChanged)
        FOnChanged(this);
    else
        TCollectionItem::Changed(false);
}

TBasicAction* TEditButtonLt::Action() const
{
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TEditButtonLt::SetAction(TBasicAction* Value)
{
    if (Value == Action())
        return;
    if (!FActionLink)
        FActionLink = std::make_unique<TEditButtonActionLinkLt>(this);
    FActionLink->SetAction(Value);
    Changed();
}

void TEditButtonLt::SetDropdownMenu(TPopupMenu* Value)
{
    if (Value == DropdownMenu())
        return;
    FDropdownMenu.Set(Value);
    Changed();
}

void TEditButtonLt::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    Changed();
}

void TEditButtonLt::SetGlyph(const TBitmap* Value)
{
    FGlyph->Assign(Value);
}

void TEditButtonLt::SetHint(const std::string& Value)
{
    if (Value == FHint)
        return;
    FHint = Value;
    Changed();
}

void TEditButtonLt::SetNumGlyphs(int Value)
{
    Value = std::clamp(Value, 1, 4);
    if (Value == FNumGlyphs)
        return;
    FNumGlyphs = Value;
    Changed();
}

void TEditButtonLt::SetShortCut(TShortCut Value)
{
    if (Value == FShortCut)
        return;
    FShortCut = Value;
    Changed();
}

void TEditButtonLt::SetStyle(TEditButtonStyleLt Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Changed();
}

void TEditButtonLt::SetVisible(bool Value)
{
    if (Value == FVisible)
        return;
    FVisible = Value;
    Changed();
}

void TEditButtonLt::SetWidth(int Value)
{
    if (Value == FWidth)
        return;
    FWidth = Value;
    Changed();
}

void TEditButtonLt::PerformClick(TObject* Sender, bool& Handled)
{
    if (FOnClick) {
        FOnClick(Sender, Handled);
        return;
    }
    if (!FActionLink || !FActionLink->Action())
        return;
    TComponent* target = FEditControl;
    if (!target && Collection())
        target = dynamic_cast<TComponent*>(Collection()->GetOwner());
    FActionLink->Execute(target);
    Handled = true;
}

TEditButtonControlLt* TEditButtonLt::MakeButtonControl(TWinControl* EditControl)
{
    auto* control = new TEditButtonControlLt(EditControl);  // owned by the editor
    control->SetParent(EditControl);
    control->SetBounds(0, 0, 10, 17);
    control->SetTransparent(false);
    control->SetVisible(true);
    return control;
}

void TEditButtonLt::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TEditButtonLt*>(Source);
    if (!source) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetAction(source->Action());
    SetDropdownMenu(source->DropdownMenu());
    SetEnabled(source->Enabled());
    SetGlyph(source->Glyph());
    SetHint(source->Hint());
    SetNumGlyphs(source->NumGlyphs());
    SetShortCut(source->ShortCut());
    SetStyle(source->Style());
    SetVisible(source->Visible());
    SetWidth(source->Width());
    SetOnClick(source->OnClick());
    SetOnDown(source->OnDown());
}

// ---- descendants ---------------------------------------------------------

TDropDownEditButtonLt::TDropDownEditButtonLt(TCollection* Collection) : TEditButtonLt(Collection)
{
    InitDefaults();
}

TDropDownEditButtonLt::TDropDownEditButtonLt(TWinControl* EditControl) : TEditButtonLt(EditControl)
{
    InitDefaults();
}

TVisibleEditButtonLt::TVisibleEditButtonLt(TCollection* Collection) : TEditButtonLt(Collection)
{
    InitDefaults();
}

TVisibleEditButtonLt::TVisibleEditButtonLt(TWinControl* EditControl) : TEditButtonLt(EditControl)
{
    InitDefaults();
}

// ---- TEditButtonsLt ------------------------------------------------------

TEditButtonsLt::TEditButtonsLt(TPersistent* AOwner, TItemFactory ItemFactory)
    : TCollection(AOwner, std::move(ItemFactory))
{
}

TEditButtonLt* TEditButtonsLt::ButtonAt(int Index) const
{
    return static_cast<TEditButtonLt*>(Items(Index));
}

TEditButtonLt* TEditButtonsLt::Add()
{
    return static_cast<TEditButtonLt*>(TCollection::Add());
}

void TEditButtonsLt::Update(TCollectionItem* Item)
{
    TCollection::Update(Item);
    if (FOnChanged)
        FOnChanged(Item);
}
