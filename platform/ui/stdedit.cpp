#include <algorithm>

#include <QLineEdit>
#include <QValidator>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/qtconvert.h"
#include "platform/ui/stdctrls.h"

LT_IMPLEMENT_CLASS(TEdit, TWinControl)
{
    P.Property("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect).Default(1);
    P.Property("CharCase", &TEdit::CharCase, &TEdit::SetCharCase).Default(ecNormal);
    P.Property("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength).Default(0);
    P.Property("PasswordChar", &TEdit::PasswordCharText, &TEdit::SetPasswordCharText);
    P.Property("PopupMenu", &TEdit::PopupMenu, &TEdit::SetPopupMenu);
    P.Property("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly).Default(0);
    P.Property("Text", &TEdit::Text, &TEdit::SetText);
    P.Property("OnChange", &TEdit::OnChange, &TEdit::SetOnChange);
}

// Turns what is typed or set to the edit's character case.
class TEdit::TCaseValidator final : public QValidator {
public:
    TCaseValidator(const TEditCharCase& CharCase, QObject* Parent) : QValidator(Parent), FCharCase(CharCase) {}

    State validate(QString& Input, int&) const override
    {
        if (FCharCase == ecUpperCase)
            Input = Input.toUpper();
        else if (FCharCase == ecLowerCase)
            Input = Input.toLower();
        return Acceptable;
    }

private:
    const TEditCharCase& FCharCase;
};

namespace {
QLineEdit* LineEdit(const TEdit& Edit)
{
    return static_cast<QLineEdit*>(Edit.Widget());
}

// The widget's own limit stands for "no limit".
constexpr int kNoLimit = 32767;
} // namespace

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption, csClickEvents, csCaptureMouse});
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

TEdit::~TEdit() = default;

QWidget* TEdit::CreateWidget()
{
    auto* edit = new QLineEdit();
    edit->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    edit->setMaxLength(FMaxLength > 0 ? FMaxLength : kNoLimit);
    edit->setEchoMode(FPasswordChar ? QLineEdit::Password : QLineEdit::Normal);
    edit->setValidator(new TCaseValidator(FCharCase, edit));
    SetBaseColor(edit, Color());
    FConnections += QObject::connect(edit, &QLineEdit::textChanged, edit,
                                     [this](const QString&) { Guarded(this, [this] { Change(); }); });
    FConnections += QObject::connect(edit, &QLineEdit::textEdited, edit, [this](const QString&) { FModified = true; });
    return edit;
}

std::string TEdit::Text() const
{
    return FromQString(LineEdit(*this)->text());
}

std::string TEdit::Cased(const std::string& Value) const
{
    switch (FCharCase) {
    case ecUpperCase: return AnsiUpperCase(Value);
    case ecLowerCase: return AnsiLowerCase(Value);
    default: return Value;
    }
}

void TEdit::SetText(const std::string& Value)
{
    const QString text = ToQString(Cased(Value));
    QLineEdit* edit = LineEdit(*this);
    if (text == edit->text())
        return;
    FModified = false;
    edit->setText(text);
    Perform(CM_TEXTCHANGED);
}

void TEdit::SetCharCase(TEditCharCase Value)
{
    if (Value == FCharCase)
        return;
    FCharCase = Value;
    SetText(Text());
}

void TEdit::SetMaxLength(int Value)
{
    FMaxLength = std::max(0, Value);
    LineEdit(*this)->setMaxLength(FMaxLength > 0 ? FMaxLength : kNoLimit);
}

bool TEdit::Modified() const
{
    return FModified;
}

void TEdit::SetModified(bool Value)
{
    FModified = Value;
}

void TEdit::SetPasswordChar(char Value)
{
    FPasswordChar = Value;
    LineEdit(*this)->setEchoMode(Value ? QLineEdit::Password : QLineEdit::Normal);
}

bool TEdit::ReadOnly() const
{
    return LineEdit(*this)->isReadOnly();
}

void TEdit::SetReadOnly(bool Value)
{
    LineEdit(*this)->setReadOnly(Value);
}

int TEdit::SelStart() const
{
    const QLineEdit* edit = LineEdit(*this);
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void TEdit::SetSelStart(int Value)
{
    QLineEdit* edit = LineEdit(*this);
    edit->deselect();
    edit->setCursorPosition(Value);
}

int TEdit::SelLength() const
{
    return LineEdit(*this)->selectionLength();
}

void TEdit::SetSelLength(int Value)
{
    QLineEdit* edit = LineEdit(*this);
    const int start = SelStart();
    if (Value <= 0) {
        edit->deselect();
        edit->setCursorPosition(start);
        return;
    }
    edit->setSelection(start, Value);
}

std::string TEdit::SelText() const
{
    return FromQString(LineEdit(*this)->selectedText());
}

void TEdit::SetSelText(const std::string& Value)
{
    LineEdit(*this)->insert(ToQString(Value));
}

void TEdit::SelectAll()
{
    LineEdit(*this)->selectAll();
}

void TEdit::ClearSelection()
{
    QLineEdit* edit = LineEdit(*this);
    if (edit->hasSelectedText())
        edit->del();
}

void TEdit::Clear()
{
    SetText("");
}

void TEdit::CopyToClipboard()
{
    LineEdit(*this)->copy();
}

void TEdit::CutToClipboard()
{
    LineEdit(*this)->cut();
}

void TEdit::PasteFromClipboard()
{
    LineEdit(*this)->paste();
}

void TEdit::Change()
{
    if (FOnChange)
        FOnChange(this);
}

void TEdit::DoEnter()
{
    if (FAutoSelect)
        SelectAll();
    TWinControl::DoEnter();
}

void TEdit::ColorChanged()
{
    TWinControl::ColorChanged();
    if (!HasBridge())
        return;
    SetBaseColor(Widget(), Color());
}
