#include <QApplication>
#include <QCheckBox>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/qtconvert.h"
#include "platform/ui/stdctrls.h"

LT_IMPLEMENT_CLASS(TButton, TWinControl)
{
    P.Property("Action", &TButton::Action, &TButton::SetAction);
    P.Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(0);
    P.Property("Default", &TButton::Default, &TButton::SetDefault).Default(0);
    P.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(mrNone);
    P.Property("PopupMenu", &TButton::PopupMenu, &TButton::SetPopupMenu);
}

LT_IMPLEMENT_CLASS(TCheckBox, TWinControl)
{
    P.Property("Action", &TCheckBox::Action, &TCheckBox::SetAction);
    P.Property("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment).Default(taRightJustify);
    P.Property("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).Default(0);
    P.Property("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Default(0);
    P.Property("PopupMenu", &TCheckBox::PopupMenu, &TCheckBox::SetPopupMenu);
    P.Property("State", &TCheckBox::State, &TCheckBox::SetState).Default(cbUnchecked);
}

LT_IMPLEMENT_CLASS(TRadioButton, TWinControl)
{
    P.Property("Action", &TRadioButton::Action, &TRadioButton::SetAction);
    P.Property("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment).Default(taRightJustify);
    P.Property("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(0);
    P.Property("PopupMenu", &TRadioButton::PopupMenu, &TRadioButton::SetPopupMenu);
}

namespace {
// Native buttons take clicks from their widget; the control neither
// captures the mouse nor makes clicks of its own out of button-up messages.
TControlStyle NativeButtonStyle(TControlStyle Style)
{
    return Style - TControlStyle{csClickEvents, csCaptureMouse, csDoubleClicks};
}

Qt::FocusPolicy FocusPolicyOf(const TWinControl& Control)
{
    return Control.TabStop() ? Qt::StrongFocus : Qt::ClickFocus;
}

Qt::LayoutDirection DirectionOf(TAlignment Alignment)
{
    return Alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight;
}

Qt::CheckState CheckStateOf(TCheckBoxState State)
{
    switch (State) {
    case cbChecked: return Qt::Checked;
    case cbGrayed: return Qt::PartiallyChecked;
    default: return Qt::Unchecked;
    }
}

TCheckBoxState StateOf(int QtState)
{
    switch (QtState) {
    case Qt::Checked: return cbChecked;
    case Qt::PartiallyChecked: return cbGrayed;
    default: return cbUnchecked;
    }
}
} // namespace

// ---- TButton

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(NativeButtonStyle(ControlStyle()));
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

TButton::~TButton() = default;

QWidget* TButton::CreateWidget()
{
    auto* button = new QPushButton();
    button->setFocusPolicy(FocusPolicyOf(*this));
    button->setAutoDefault(false);
    FConnections += QObject::connect(button, &QPushButton::clicked, button, [this] { Guarded(this, [this] { Click(); }); });
    UpdateKeys(button);
    return button;
}

void TButton::TextChanged()
{
    static_cast<QPushButton*>(Widget())->setText(ToQString(Caption()));
}

void TButton::SetCancel(bool Value)
{
    FCancel = Value;
    UpdateKeys(Widget());
}

void TButton::SetDefault(bool Value)
{
    FDefault = Value;
    UpdateKeys(Widget());
}

void TButton::UpdateKeys(QWidget* Button)
{
    static_cast<QPushButton*>(Button)->setDefault(FDefault);
    const auto make = [&](QPointer<QShortcut>& Key, const QList<QKeySequence>& Keys, bool Enter) {
        if (!Key) {
            Key = new QShortcut(Button);
            Key->setContext(Qt::WindowShortcut);
            QObject::connect(Key, &QShortcut::activated, Key, [this, Enter] {
                Guarded(this, [this, Enter] {
                    // Enter presses the push button that has the focus, if any.
                    auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
                    if (Enter && focused && focused != Widget())
                        focused->click();
                    else if (Enabled())
                        Click();
                });
            });
        }
        Key->setKeys(Keys);
    };
    if (FDefault || FEnterKey)
        make(FEnterKey, FDefault ? QList<QKeySequence>{QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}
                                 : QList<QKeySequence>{},
             true);
    if (FCancel || FEscapeKey)
        make(FEscapeKey, FCancel ? QList<QKeySequence>{QKeySequence(Qt::Key_Escape)} : QList<QKeySequence>{}, false);
}

void TButton::Click()
{
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    if (OnClick())
        OnClick()(this);
    else
        FActionLink.Execute(this);
}

// ---- TCheckBox

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(NativeButtonStyle(ControlStyle()));
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
    FActionLink.SetCheckedProperty([this] { return Checked(); }, [this](bool Value) { SetChecked(Value); });
}

TCheckBox::~TCheckBox() = default;

QWidget* TCheckBox::CreateWidget()
{
    auto* box = new QCheckBox();
    box->setFocusPolicy(FocusPolicyOf(*this));
    box->setTristate(FAllowGrayed);
    box->setCheckState(CheckStateOf(FState));
    box->setLayoutDirection(DirectionOf(FAlignment));
    FConnections += QObject::connect(box, &QCheckBox::stateChanged, box, [this](int Value) {
        if (FSetting)
            return;
        FState = StateOf(Value);
        Guarded(this, [this] { Click(); });
    });
    return box;
}

void TCheckBox::TextChanged()
{
    static_cast<QCheckBox*>(Widget())->setText(ToQString(Caption()));
}

void TCheckBox::SetAlignment(TAlignment Value)
{
    FAlignment = Value == taLeftJustify ? taLeftJustify : taRightJustify;
    Widget()->setLayoutDirection(DirectionOf(FAlignment));
}

void TCheckBox::SetAllowGrayed(bool Value)
{
    FAllowGrayed = Value;
    static_cast<QCheckBox*>(Widget())->setTristate(Value);
    if (!Value && FState == cbGrayed)
        SetState(cbUnchecked);
}

void TCheckBox::SetState(TCheckBoxState Value)
{
    if (Value == FState)
        return;
    FState = Value;
    ++FSetting;
    static_cast<QCheckBox*>(Widget())->setCheckState(CheckStateOf(Value));
    --FSetting;
    if (!ComponentState().Contains(csLoading))
        Click();
}

void TCheckBox::Click()
{
    if (OnClick())
        OnClick()(this);
    else
        FActionLink.Execute(this);
}

// ---- TRadioButton

TRadioButton::TRadioButton(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(NativeButtonStyle(ControlStyle()));
    SetBounds(0, 0, 113, 17);
    FActionLink.SetCheckedProperty([this] { return Checked(); }, [this](bool Value) { SetChecked(Value); });
}

TRadioButton::~TRadioButton() = default;

QWidget* TRadioButton::CreateWidget()
{
    auto* button = new QRadioButton();
    button->setFocusPolicy(FocusPolicyOf(*this));
    button->setLayoutDirection(DirectionOf(FAlignment));
    FConnections += QObject::connect(button, &QRadioButton::toggled, button, [this](bool Checked) {
        if (Checked && !ComponentState().Contains(csLoading))
            Guarded(this, [this] { Click(); });
    });
    return button;
}

void TRadioButton::TextChanged()
{
    static_cast<QRadioButton*>(Widget())->setText(ToQString(Caption()));
}

void TRadioButton::SetAlignment(TAlignment Value)
{
    FAlignment = Value == taLeftJustify ? taLeftJustify : taRightJustify;
    Widget()->setLayoutDirection(DirectionOf(FAlignment));
}

bool TRadioButton::Checked() const
{
    return static_cast<QRadioButton*>(Widget())->isChecked();
}

void TRadioButton::SetChecked(bool Value)
{
    auto* button = static_cast<QRadioButton*>(Widget());
    if (Value == button->isChecked())
        return;
    if (Value) {
        button->setChecked(true);
        return;
    }
    // The checked button of an exclusive group cannot be unchecked on its
    // own; leaving the group for the moment allows it, as the platform does.
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

void TRadioButton::Click()
{
    if (OnClick())
        OnClick()(this);
    else
        FActionLink.Execute(this);
}
