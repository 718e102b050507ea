#include "dbcontrols/dbcheckboxlt.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "dbcontrols/updatedata.h"
#include "dbcontrols/variantsmatch.h"
#include "platform/data/dataset.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/qtconvert.h"
#include "platform/ui/qtsignals.h"

const char* const kCheckedValueTextLt = "True";
const char* const kUncheckedValueTextLt = "False";

LT_IMPLEMENT_CLASS(TCustomDBCheckBoxLt, TCustomControl)
{
    using C = TCustomDBCheckBoxLt;
    P.Property("Action", &C::Action, &C::SetAction);
    P.Property("Alignment", &C::Alignment, &C::SetAlignment).Default(taRightJustify);
    P.Property("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed).Default(0);
    P.Property("AlwaysShowBorder", &C::AlwaysShowBorder, &C::SetAlwaysShowBorder).Default(0);
    // State carries the value in a description; Checked is read for old ones.
    P.Property("Checked", &C::Checked, &C::SetChecked).StoredIf([](const TObject&) { return false; });
    P.Property("DataField", &C::DataField, &C::SetDataField);
    P.Property("DataSource", &C::DataSource, &C::SetDataSource);
    P.Property("Flat", &C::Flat, &C::SetFlat).Default(0);
    P.Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(0);
    P.Property("State", &C::State, &C::SetState).StoredIf([](const TObject& O) {
        const auto& box = static_cast<const C&>(O);
        return box.FieldLink()->Unbound() && box.State() != cbUnchecked;
    });
    P.Property("ValueChecked", &C::ValueChecked, &C::SetValueChecked).StoredIf([](const TObject& O) {
        return static_cast<const C&>(O).ValueChecked() != kCheckedValueTextLt;
    });
    P.Property("ValueUnchecked", &C::ValueUnchecked, &C::SetValueUnchecked).StoredIf([](const TObject& O) {
        return static_cast<const C&>(O).ValueUnchecked() != kUncheckedValueTextLt;
    });
    P.Property("OnUpdateData", &C::OnUpdateData, &C::SetOnUpdateData);
}

LT_IMPLEMENT_CLASS(TDBCheckBoxLt, TCustomDBCheckBoxLt) {}

namespace {
// The ';'-separated entries of Values.
std::vector<std::string> Entries(const std::string& Values)
{
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = Values.find(';', start);
        entries.push_back(Values.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return entries;
        start = end + 1;
    }
}

bool MatchesEntry(const std::string& Text, const std::string& Values)
{
    for (const std::string& entry : Entries(Values))
        if (AnsiSameText(Text, entry))
            return true;
    return false;
}
} // namespace

TCustomDBCheckBoxLt::TCustomDBCheckBoxLt(TComponent* AOwner)
    : TCustomControl(AOwner), FFieldLink(std::make_unique<TFieldDataLinkLt>(this)),
      FValueChecked(kCheckedValueTextLt), FValueUnchecked(kUncheckedValueTextLt)
{
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents, csDoubleClicks});
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
    FActionLink.SetCheckedProperty([this] { return Checked(); }, [this](bool Value) { SetChecked(Value); });
    FFieldLink->PostValue(Variant(false));
    FFieldLink->OnDataChange = [this] { ShowLinkState(); };
    FFieldLink->OnUpdateData = [this] { UpdateData(); };
    FFieldLink->OnActiveChange = [this] { ShowLinkState(); };
}

TCustomDBCheckBoxLt::~TCustomDBCheckBoxLt()
{
    // The link's callbacks reach into the box: none may run while it goes.
    FFieldLink->OnDataChange = nullptr;
    FFieldLink->OnUpdateData = nullptr;
    FFieldLink->OnActiveChange = nullptr;
}

// ---- properties -------------------------------------------------------------

bool TCustomDBCheckBoxLt::GetChecked() const
{
    return FState == cbChecked;
}

void TCustomDBCheckBoxLt::SetCheckedValue(bool Value)
{
    SetState(Value ? cbChecked : cbUnchecked);
}

void TCustomDBCheckBoxLt::SetState(TCheckBoxState Value)
{
    if (ComponentState().Contains(csDesigning) && !IsUnbound())
        return;
    if (!IsUnbound())
        FFieldLink->Edit();
    ApplyState(Value);
    if (FPosting)
        return;
    try {
        UpdateData();
    } catch (...) {
        FFieldLink->Revert();
        throw;
    }
}

void TCustomDBCheckBoxLt::SetAlignment(TAlignment Value)
{
    const TAlignment side = Value == taLeftJustify ? taLeftJustify : taRightJustify;
    if (side == FAlignment)
        return;
    FAlignment = side;
    Invalidate();
}

void TCustomDBCheckBoxLt::SetAlwaysShowBorder(bool Value)
{
    if (Value == FAlwaysShowBorder)
        return;
    FAlwaysShowBorder = Value;
    Invalidate();
}

void TCustomDBCheckBoxLt::SetFlat(bool Value)
{
    if (Value == FFlat)
        return;
    FFlat = Value;
    Invalidate();
}

void TCustomDBCheckBoxLt::SetValueChecked(const std::string& Value)
{
    if (Value == FValueChecked)
        return;
    FValueChecked = Value;
    ShowLinkState();
}

void TCustomDBCheckBoxLt::SetValueUnchecked(const std::string& Value)
{
    if (Value == FValueUnchecked)
        return;
    FValueUnchecked = Value;
    ShowLinkState();
}

void TCustomDBCheckBoxLt::SetDataSource(TDataSource* Value)
{
    if (Value == DataSource())
        return;
    if (!FFieldLink->DataSourceFixed())
        FFieldLink->SetDataSourceLt(Value);
    if (Value)
        FreeNotification(Value);
}

void TCustomDBCheckBoxLt::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && FFieldLink && AComponent == FFieldLink->DataSource())
        FFieldLink->SetDataSourceLt(nullptr);
}

bool TCustomDBCheckBoxLt::IsUnbound() const
{
    return FFieldLink->Unbound();
}

// ---- state and the link -----------------------------------------------------

TCheckBoxState TCustomDBCheckBoxLt::LinkState() const
{
    if (IsUnbound()) {
        const Variant& value = FFieldLink->UnboundValue();
        if (VariantsMatch(value, Variant(true)))
            return cbChecked;
        if (VariantsMatch(value, Variant(false)))
            return cbUnchecked;
        return cbGrayed;
    }
    const TField* field = FFieldLink->Field();
    if (!field)
        return cbUnchecked;
    if (field->IsNull())
        return cbGrayed;
    if (field->DataType() == ftBoolean)
        return field->AsBoolean() ? cbChecked : cbUnchecked;
    const std::string text = field->Text();
    if (MatchesEntry(text, FValueChecked))
        return cbChecked;
    if (MatchesEntry(text, FValueUnchecked))
        return cbUnchecked;
    return cbGrayed;
}

void TCustomDBCheckBoxLt::ShowLinkState()
{
    ApplyState(LinkState());
    FModified = false;
}

void TCustomDBCheckBoxLt::ApplyState(TCheckBoxState Value)
{
    if (Value == FState)
        return;
    FState = Value;
    if (!FClicksDisabled)
        ClickHandling();
    Invalidate();
    FModified = true;
}

void TCustomDBCheckBoxLt::ClickHandling()
{
    // A loading description runs no handler: the form is not made yet.
    if (ComponentState().Contains(csLoading))
        return;
    if (OnClick())
        OnClick()(this);
    else
        FActionLink.Execute(this);
}

void TCustomDBCheckBoxLt::ToggleState()
{
    if (!FFieldLink->StartEditing())
        return;
    switch (FState) {
    case cbUnchecked: ApplyState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: ApplyState(cbUnchecked); break;
    case cbGrayed: ApplyState(cbChecked); break;
    }
    FFieldLink->MarkModified();
    Invalidate();
}

void TCustomDBCheckBoxLt::UpdateData()
{
    if (!RaiseUpdateData(FOnUpdateData, this, FPosting))
        PostToLink();
}

void TCustomDBCheckBoxLt::PostToLink()
{
    if (IsUnbound()) {
        FFieldLink->PostValue(FState == cbGrayed ? Variant::Null() : Variant(FState == cbChecked));
        return;
    }
    TField* field = FFieldLink->Field();
    if (!field)
        return;
    if (FState == cbGrayed)
        field->Clear();
    else if (field->DataType() == ftBoolean)
        field->SetAsBoolean(Checked());
    else
        field->SetText(Entries(Checked() ? FValueChecked : FValueUnchecked).front());
}

void TCustomDBCheckBoxLt::Loaded()
{
    TCustomControl::Loaded();
    UpdateAccelerator();
}

// ---- accelerator ------------------------------------------------------------

void TCustomDBCheckBoxLt::TextChanged()
{
    TCustomControl::TextChanged();
    UpdateAccelerator();
    Invalidate();
}

void TCustomDBCheckBoxLt::UpdateAccelerator()
{
    const QKeySequence key = QKeySequence::mnemonic(ToQString(Caption()));
    if (!FAccelerator) {
        if (key.isEmpty())
            return;
        FAccelerator = new QShortcut(Widget());
        FAccelerator->setContext(Qt::WindowShortcut);
        QObject::connect(FAccelerator, &QShortcut::activated, FAccelerator,
                         [this] { Guarded(this, [this] { AcceleratorPressed(); }); });
    }
    FAccelerator->setKey(key);
}

void TCustomDBCheckBoxLt::AcceleratorPressed()
{
    if (!CanFocus())
        return;
    SetFocus();
    if (Focused())
        ToggleState();
}
