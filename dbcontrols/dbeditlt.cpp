#include "dbcontrols/dbeditlt.h"

#include <cmath>
#include <limits>


#include "dbcontrols/mrulistboxlt.h"
#include "dbcontrols/updatedata.h"
#include "dbcontrols/variantsmatch.h"
#include "platform/data/dataset.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/imglist.h"
#include "platform/ui/qtsignals.h"
#include "platform/ui/widgetbridge.h"

// The properties every editor built on this class publishes.
LT_IMPLEMENT_CLASS(TCustomDBEditLt, TCustomMaskEdit)
{
    using E = TCustomDBEditLt;
    P.Property("AlwaysShowBorder", &E::AlwaysShowBorder, &E::SetAlwaysShowBorder).Default(0);
    P.Property("AutoSize", &E::AutoSize, &E::SetAutoSize).Default(1);
    P.Property("DataField", &E::DataField, &E::SetDataField);
    P.Property("DataSource", &E::DataSource, &E::SetDataSource);
    P.Property("EditButton", &E::EditButton);
    P.Property("EditButtons", &E::EditButtons);
    P.Property("EditMask", &TCustomMaskEdit::EditMask, &E::SetEditMask).StoredIf([](const TObject& O) {
        return static_cast<const E&>(O).EditMaskAssigned();
    });
    P.Property("Flat", &E::Flat, &E::SetFlat).Default(0);
    P.Property("HighlightRequired", &E::HighlightRequired, &E::SetHighlightRequired).Default(0);
    P.Property("Images", &E::EditImage);
    P.Property("MRUList", &E::MRUList);
    P.Property("ReadOnly", &E::ReadOnly, &E::SetReadOnly).Default(0);
    P.Property("ShowHint", &E::ShowHint, &E::SetShowHint).Default(0);
    P.Property("Text", &E::Text, &E::SetText).StoredIf([](const TObject& O) {
        const auto& edit = static_cast<const E&>(O);
        return edit.FieldLink()->Unbound() && !edit.Text().empty();
    });
    P.Property("Tooltips", &E::Tooltips, &E::SetTooltips).Default(0);
    P.Property("OnButtonClick", &E::OnButtonClick, &E::SetOnButtonClick);
    P.Property("OnButtonDown", &E::OnButtonDown, &E::SetOnButtonDown);
    P.Property("OnCheckDrawRequiredState", &E::OnCheckDrawRequiredState, &E::SetOnCheckDrawRequiredState);
    P.Property("OnGetImageIndex", &E::OnGetImageIndex, &E::SetOnGetImageIndex);
    P.Property("OnUpdateData", &E::OnUpdateData, &E::SetOnUpdateData);
}

const char* const kInplaceHolderErrorLt = "InplaceEditHolder have to support IInplaceEditHolderLt interface";

TCustomDBEditLt::TCustomDBEditLt(TComponent* AOwner)
    : TCustomMaskEdit(AOwner), FMRUList(std::make_unique<TMRUListLt>(this))
{
    FMRUList->SetOnDropDown([this](TObject*) { DropDownMRUList(); });
    FMRUList->SetOnCloseUp([this](TObject*, bool Accept) { CloseUpMRUList(Accept); });
    FMRUList->SetKeyWaiting([this] { return IsMessagePending(this, WM_CHAR) || IsMessagePending(this, WM_KEYDOWN); });
    Bridge().SetNonClientFrame(true);
    SetWidgetFrame(true);
    RefreshReadOnly();
}

TCustomDBEditLt::~TCustomDBEditLt()
{
    // The link's and the buttons' callbacks reach into the editor: none may
    // run while it goes.
    if (FFieldLink) {
        FFieldLink->OnDataChange = nullptr;
        FFieldLink->OnEditingChange = nullptr;
        FFieldLink->OnUpdateData = nullptr;
        FFieldLink->OnActiveChange = nullptr;
    }
    if (FEditButtons)
        FEditButtons->SetOnChanged(nullptr);
    if (FEditButton)
        FEditButton->SetOnChanged(nullptr);
    DestroyComponents();
    FButtonControls.clear();
}

// ---- parts made on first use ------------------------------------------------

TFieldDataLinkLt* TCustomDBEditLt::FieldLink() const
{
    if (!FFieldLink) {
        auto* self = const_cast<TCustomDBEditLt*>(this);
        FFieldLink = self->CreateFieldLink();
        FFieldLink->OnDataChange = [self] { self->LinkDataChange(); };
        FFieldLink->OnEditingChange = [self] { self->LinkEditingChanged(); };
        FFieldLink->OnUpdateData = [self] { self->LinkUpdateData(); };
        FFieldLink->OnActiveChange = [self] { self->LinkActiveChanged(); };
    }
    return FFieldLink.get();
}

TEditButtonLt* TCustomDBEditLt::EditButton() const
{
    if (!FEditButton) {
        auto* self = const_cast<TCustomDBEditLt*>(this);
        FEditButton = self->MakeMainButton();
        FEditButton->SetOnChanged([self](TEditButtonLt*) { self->EditButtonChanged(); });
    }
    return FEditButton.get();
}

TEditButtonsLt* TCustomDBEditLt::EditButtons() const
{
    if (!FEditButtons) {
        auto* self = const_cast<TCustomDBEditLt*>(this);
        FEditButtons = self->MakeButtonsCollection();
        FEditButtons->SetOnChanged([self](TCollectionItem*) { self->EditButtonChanged(); });
    }
    return FEditButtons.get();
}

void TCustomDBEditLt::SetEditButtons(const TEditButtonsLt* Value)
{
    EditButtons()->Assign(Value);
}

TEditImageLt* TCustomDBEditLt::EditImage() const
{
    if (!FEditImage)
        FEditImage = const_cast<TCustomDBEditLt*>(this)->MakeEditImage();
    return FEditImage.get();
}

std::unique_ptr<TFieldDataLinkLt> TCustomDBEditLt::CreateFieldLink()
{
    return std::make_unique<TFieldDataLinkLt>(this);
}

std::unique_ptr<TEditButtonLt> TCustomDBEditLt::MakeMainButton()
{
    return std::make_unique<TDropDownEditButtonLt>(this);
}

std::unique_ptr<TEditButtonsLt> TCustomDBEditLt::MakeButtonsCollection()
{
    return std::make_unique<TEditButtonsLt>(this, TCollection::ItemsOf<TVisibleEditButtonLt>());
}

std::unique_ptr<TEditImageLt> TCustomDBEditLt::MakeEditImage()
{
    return std::make_unique<TEditImageLt>(this);
}

TMRUListboxLt* TCustomDBEditLt::MakeMRUPopup()
{
    return new TMRUListboxLt(this);  // owned by the editor
}

TEditButtonControlLt* TCustomDBEditLt::NewButtonControl(TEditButtonLt* Button)
{
    return Button->MakeButtonControl(this);
}

bool TCustomDBEditLt::CanPressButtons() const
{
    return Enabled();
}

// ---- window ---------------------------------------------------------------

void TCustomDBEditLt::CreateParams(TCreateParams& Params)
{
    TCustomMaskEdit::CreateParams(Params);
    if (FWordWrap)
        Params.Style = (Params.Style | ES_MULTILINE) & ~ES_AUTOHSCROLL;
}

void TCustomDBEditLt::RecreateEditorWindow()
{
    if (IsMultiLine() != FWordWrap)
        RecreateWnd();
    SetWidgetFrame(FBorderStyle == bsSingle && FCtl3D && !FFlat);
    RebuildButtonControls();
    RefreshFixedHeight();
    RefreshEditRect();
    Invalidate();
}

void TCustomDBEditLt::Loaded()
{
    TCustomMaskEdit::Loaded();
    RefreshReadOnly();
    RecreateEditorWindow();
}

bool TCustomDBEditLt::IsSystemLoading() const
{
    return ComponentState().Contains(csLoading);
}

void TCustomDBEditLt::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (FAutoSize && FBorderStyle == bsSingle && AHeight != Height() && Height() > 0 && !IsSystemLoading()) {
        // The height follows the font while AutoSize holds it.
        TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, Height());
        return;
    }
    TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TCustomDBEditLt::Resize()
{
    TCustomMaskEdit::Resize();
    RebuildButtonControls();
    RefreshEditRect();
}

void TCustomDBEditLt::FontChanged()
{
    TCustomMaskEdit::FontChanged();
    RefreshFixedHeight();
}

void TCustomDBEditLt::EnabledChanged()
{
    TCustomMaskEdit::EnabledChanged();
    RebuildButtonControls();
    Invalidate();
}

// ---- published properties -------------------------------------------------

TAlignment TCustomDBEditLt::Alignment() const
{
    return FAlignmentAssigned ? FAlignment : FieldAlignment();
}

void TCustomDBEditLt::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    FAlignmentAssigned = true;
    SetTextAlignment(Value);
    Invalidate();
}

TAlignment TCustomDBEditLt::FieldAlignment() const
{
    const TField* field = FieldLink()->Field();
    return field ? field->Alignment() : taLeftJustify;
}

std::string TCustomDBEditLt::FieldEditMask() const
{
    const TField* field = FieldLink()->Field();
    return field ? field->EditMask() : std::string();
}

void TCustomDBEditLt::SetEditMask(const std::string& Value)
{
    FEditMaskAssigned = true;
    const std::string text = Text();
    TCustomMaskEdit::SetEditMask(Value);
    if (IsSystemLoading()) {
        if (IsUnbound())
            ApplyText(text);
        return;
    }
    if (IsUnbound())
        PostToLink();
    else
        FieldLink()->Revert();
}

void TCustomDBEditLt::SetAlwaysShowBorder(bool Value)
{
    if (Value == FAlwaysShowBorder)
        return;
    FAlwaysShowBorder = Value;
    RefreshBorderActive();
}

void TCustomDBEditLt::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    RefreshFixedHeight();
}

void TCustomDBEditLt::SetBorderStyle(TFormBorderStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    RecreateEditorWindow();
}

void TCustomDBEditLt::SetCtl3D(bool Value)
{
    if (Value == FCtl3D)
        return;
    FCtl3D = Value;
    RecreateEditorWindow();
}

void TCustomDBEditLt::SetFlat(bool Value)
{
    if (Value == FFlat)
        return;
    FFlat = Value;
    RecreateEditorWindow();
}

void TCustomDBEditLt::SetWordWrap(bool Value)
{
    if (Value == FWordWrap)
        return;
    FWordWrap = Value;
    RecreateEditorWindow();
}

void TCustomDBEditLt::SetHighlightRequired(bool Value)
{
    if (Value == FHighlightRequired)
        return;
    FHighlightRequired = Value;
    Invalidate();
}

void TCustomDBEditLt::SetReadOnly(bool Value)
{
    if (Value == FReadOnly)
        return;
    FReadOnly = Value;
    RefreshReadOnly();
}

void TCustomDBEditLt::SetShowHint(bool Value)
{
    FShowHintLt = Value;
    RefreshHintMode();
}

void TCustomDBEditLt::SetTooltips(bool Value)
{
    FTooltips = Value;
    RefreshHintMode();
}

void TCustomDBEditLt::RefreshHintMode()
{
    TControl::SetShowHint(FTooltips || FShowHintLt);
}

// ---- data binding ---------------------------------------------------------

std::string TCustomDBEditLt::GetDataField() const
{
    return FieldLink()->FieldName();
}

TDataSource* TCustomDBEditLt::GetDataSource() const
{
    return FieldLink()->DataSource();
}

void TCustomDBEditLt::SetDataFieldLt(const std::string& Value)
{
    if (!ComponentState().Contains(csDesigning))
        ReleaseFieldMaxLength();
    FieldLink()->SetFieldName(Value);
}

void TCustomDBEditLt::SetDataSourceLt(TDataSource* Value)
{
    if (Value == GetDataSource())
        return;
    if (!FieldLink()->DataSourceFixed())
        FieldLink()->SetDataSourceLt(Value);
    if (Value)
        FreeNotification(Value);
}

void TCustomDBEditLt::ReleaseFieldMaxLength()
{
    const TField* field = FieldLink()->Field();
    if (field && (field->DataType() == ftString || field->DataType() == ftWideString) && MaxLength() > 0 &&
        MaxLength() == field->Size())
        SetMaxLength(0);
}

bool TCustomDBEditLt::IsUnbound() const
{
    return FieldLink()->Unbound();
}

void TCustomDBEditLt::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomMaskEdit::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (FFieldLink && AComponent == FFieldLink->DataSource())
        FFieldLink->SetDataSourceLt(nullptr);
    if (FEditImage && AComponent == FEditImage->Images())
        FEditImage->SetImages(nullptr);
    if (FEditButton && FEditButton->DropdownMenu() == AComponent)
        FEditButton->SetDropdownMenu(nullptr);
    if (FEditButtons)
        for (int i = 0; i < FEditButtons->Count(); ++i)
            if (FEditButtons->ButtonAt(i)->DropdownMenu() == AComponent)
                FEditButtons->ButtonAt(i)->SetDropdownMenu(nullptr);
}

void TCustomDBEditLt::LinkDataChange()
{
    ShowLinkValue();
}

void TCustomDBEditLt::LinkUpdateData()
{
    UpdateData();
}

void TCustomDBEditLt::LinkActiveChanged()
{
    RefreshReadOnly();
    Invalidate();
}

void TCustomDBEditLt::LinkEditingChanged()
{
    RefreshReadOnly();
}

void TCustomDBEditLt::ShowLinkValue()
{
    TFieldDataLinkLt* link = FieldLink();
    if (TField* field = link->Field()) {
        if (!FAlignmentAssigned)
            Invalidate();
        if (!FEditMaskAssigned)
            TCustomMaskEdit::SetEditMask(field->EditMask());
        const bool stringField = field->DataType() == ftString || field->DataType() == ftWideString;
        if (stringField && MaxLength() == 0 && !ComponentState().Contains(csDesigning))
            SetMaxLength(field->Size());
        const bool memo = field->DataType() == ftMemo;
        if (FFocused && link->CanModifyValue())
            ApplyText(memo ? field->AsString() : field->Text());
        else
            TCustomMaskEdit::SetText(memo ? field->AsString() : field->DisplayText());
    } else if (link->Unbound()) {
        if (!FEditMaskAssigned)
            TCustomMaskEdit::SetEditMask("");
        ApplyText(VariantToText(link->UnboundValue()));
    } else {
        if (!FEditMaskAssigned)
            TCustomMaskEdit::SetEditMask("");
        TCustomMaskEdit::SetText("");
    }
    RefreshReadOnly();
    SetModified(false);
    RefreshImageIndex();
    Invalidate();
}

void TCustomDBEditLt::RefreshReadOnly()
{
    TFieldDataLinkLt* link = FieldLink();
    bool readOnly = FReadOnly;
    if (!readOnly) {
        const TDataSet* dataSet = link->DataSet();
        const bool datasetEditing = dataSet && (dataSet->State() == dsEdit || dataSet->State() == dsInsert);
        readOnly = !link->EditingLt() && !(FOnUpdateData && datasetEditing);
        if (!readOnly && FInplaceHolderIntf)
            readOnly = !FInplaceHolderIntf->AllowEditorModify(this);
    }
    TCustomMaskEdit::SetReadOnly(readOnly);
}

bool TCustomDBEditLt::StartEditingLt()
{
    return !FReadOnly && FieldLink()->StartEditing();
}

// ---- value ----------------------------------------------------------------

std::string TCustomDBEditLt::Text() const
{
    return TCustomMaskEdit::Text();
}

void TCustomDBEditLt::SetText(const std::string& Value)
{
    ShowAndPost([&] { ApplyText(Value); });
}

void TCustomDBEditLt::AssignValue(const Variant& Value)
{
    ShowAndPost([&] { ApplyValue(Value); });
}

void TCustomDBEditLt::ShowAndPost(const std::function<void()>& Show)
{
    if (ComponentState().Contains(csDesigning) && !IsUnbound())
        return;
    if (!IsUnbound())
        FieldLink()->Edit();
    Show();
    if (FPosting)
        return;
    try {
        UpdateData();
    } catch (...) {
        FieldLink()->Revert();
        throw;
    }
}

Variant TCustomDBEditLt::CurrentValue() const
{
    return Variant(Text());
}

void TCustomDBEditLt::ApplyText(const std::string& Value)
{
    TCustomMaskEdit::SetText(Value);
}

void TCustomDBEditLt::ApplyValue(const Variant& Value)
{
    ApplyText(VariantToText(Value));
}

void TCustomDBEditLt::PostToLink()
{
    if (IsUnbound())
        FieldLink()->PostText(EditText());
    else
        FieldLink()->PostText(Text());
}

void TCustomDBEditLt::UpdateData()
{
    if (Focused())
        ValidateEdit();
    if (!RaiseUpdateData(FOnUpdateData, this, FPosting))
        PostToLink();
    SetModified(false);
    if (FMRUList->AutoAdd() && FMRUList->Active() && Showing())
        FMRUList->AddRecent(Text());
}

void TCustomDBEditLt::Change()
{
    FieldLink()->MarkModified();
    SetModified(true);
    TCustomMaskEdit::Change();
    RefreshImageIndex();
    Invalidate();
}

bool TCustomDBEditLt::AcceptsChar(char32_t Key) const
{
    const TField* field = FieldLink()->Field();
    return !field || field->IsValidChar(Key);
}

int TCustomDBEditLt::ImplicitImageIndex() const
{
    return -1;
}

void TCustomDBEditLt::RefreshImageIndex()
{
    TEditImageLt* image = EditImage();
    if (!image->Visible() || !image->Images())
        return;
    int index = ImplicitImageIndex();
    const Variant value = CurrentValue();
    if (value.IsNumeric()) {
        const double number = std::round(value.AsDouble());
        if (number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
            index = static_cast<int>(number);
    }
    if (FOnGetImageIndex)
        FOnGetImageIndex(this, index);
    image->SetImageIndex(index);
}

// ---- focus ----------------------------------------------------------------

void TCustomDBEditLt::SetFocusedState(bool Value)
{
    if (Value == FFocused)
        return;
    FFocused = Value;
    if (Alignment() != taLeftJustify && !IsMasked())
        Invalidate();
    FieldLink()->Revert();
    RefreshBorderActive();
}

void TCustomDBEditLt::DoEnter()
{
    SetFocusedState(true);
    TCustomMaskEdit::DoEnter();
}

void TCustomDBEditLt::DoExit()
{
    if (IsMasked() && !ComponentState().Contains(csDesigning)) {
        try {
            ValidateEdit();
        } catch (...) {
            SelectAll();
            SetFocus();
            throw;
        }
    }
    TWinControl::DoExit();
    try {
        FieldLink()->UpdateDataLt();
    } catch (...) {
        SelectAll();
        SetFocus();
        throw;
    }
    SetFocusedState(false);
    if (MRUListDroppedDown())
        CloseUpMRUList(false);
}
