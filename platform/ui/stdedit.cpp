#include <algorithm>
#include <limits>

#include <QLineEdit>
#include <QValidator>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/multilineedit.h"
#include "platform/ui/qtconvert.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/viewportmouse.h"
#include "platform/ui/widgetbridge.h"

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

// The multi-line widget, nullptr for a one-line window.
TMultiLineEditWidget* Memo(const TEdit& Edit)
{
    return dynamic_cast<TMultiLineEditWidget*>(Edit.Widget());
}

Qt::Alignment QtAlignment(TAlignment Value)
{
    return Value == taRightJustify ? Qt::AlignRight | Qt::AlignVCenter
           : Value == taCenter     ? Qt::AlignHCenter | Qt::AlignVCenter
                                   : Qt::AlignLeft | Qt::AlignVCenter;
}

// MaxLength 0: no limit (the widget's own default would cut at 32,767).
constexpr int kNoLimit = std::numeric_limits<int>::max();
} // namespace

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption, csClickEvents, csCaptureMouse});
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

TEdit::~TEdit() = default;

void TEdit::CreateParams(TCreateParams& Params)
{
    Params.Style |= ES_AUTOHSCROLL;
}

QWidget* TEdit::CreateWidget()
{
    // Signals of a widget this one replaces no longer reach the control.
    FConnections.Clear();
    TCreateParams params;
    CreateParams(params);
    if (params.Style & ES_MULTILINE)
        return CreateMultiLineWidget(params.Style);
    auto* edit = new QLineEdit();
    edit->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    edit->setMaxLength(FMaxLength > 0 ? FMaxLength : kNoLimit);
    edit->setEchoMode(FPasswordChar ? QLineEdit::Password : QLineEdit::Normal);
    edit->setValidator(new TCaseValidator(FCharCase, edit));
    SetBaseColor(edit, Color());
    FConnections += QObject::connect(edit, &QLineEdit::textChanged, edit,
                                     [this](const QString&) { Guarded(this, [this] { Change(); }); });
    FConnections += QObject::connect(edit, &QLineEdit::textEdited, edit, [this](const QString&) {
        FModified = true;
        Guarded(this, [this] { TextEdited(); });
    });
    if (FTextAlignment != taLeftJustify)
        edit->setAlignment(QtAlignment(FTextAlignment));
    return edit;
}

QWidget* TEdit::CreateMultiLineWidget(unsigned Style)
{
    auto* memo = new TMultiLineEditWidget(!(Style & ES_AUTOHSCROLL), FCharCase);
    memo->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    memo->SetMaxLength(FMaxLength);
    memo->setAlignment(QtAlignment(FTextAlignment));
    SetBaseColor(memo, Color());
    memo->OnEdited = [this] {
        FModified = true;
        Guarded(this, [this] { TextEdited(); });
    };
    memo->OnPainted = [this] {
        if (Bridge().NonClientFrame())
            Perform(WM_NCPAINT);
    };
    (new TViewportMouse(this, memo->viewport()))->setParent(memo);
    memo->OnChanged = [this] { Guarded(this, [this] { Change(); }); };
    return memo;
}

bool TEdit::IsMultiLine() const
{
    return Memo(*this) != nullptr;
}

QWidget* TEdit::FaceWidget() const
{
    TMultiLineEditWidget* memo = Memo(*this);
    return memo ? memo->viewport() : Widget();
}

void TEdit::SetTextAlignment(TAlignment Value)
{
    FTextAlignment = Value;
    if (TMultiLineEditWidget* memo = Memo(*this)) {
        QTextCursor cursor = memo->textCursor();
        memo->selectAll();
        memo->setAlignment(QtAlignment(Value));
        memo->setTextCursor(cursor);
    } else {
        LineEdit(*this)->setAlignment(QtAlignment(Value));
    }
}

int TEdit::LineCount() const
{
    const TMultiLineEditWidget* memo = Memo(*this);
    return memo ? memo->LineCount() : 1;
}

int TEdit::CaretLine() const
{
    const TMultiLineEditWidget* memo = Memo(*this);
    return memo ? memo->LineOf(memo->textCursor().position()) : 0;
}

void TEdit::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_RECREATEWND)
        RecreateKeepingText(Message);
    else
        TWinControl::Dispatch(Message);
}

void TEdit::RecreateKeepingText(TMessage& Message)
{
    const std::string text = Text();
    const int selStart = SelStart();
    const int selLength = SelLength();
    const bool readOnly = ReadOnly();
    const bool modified = FModified;
    TWinControl::Dispatch(Message);
    // The new window takes the text over: no change of text to tell.
    const QString shown = ToQString(text);
    if (TMultiLineEditWidget* memo = Memo(*this)) {
        memo->SetTextQuietly(shown);
    } else {
        const QSignalBlocker blocker(Widget());
        LineEdit(*this)->setText(shown);
    }
    SetReadOnly(readOnly);
    SetSelStart(selStart);
    SetSelLength(selLength);
    FModified = modified;
}

std::string TEdit::Text() const
{
    if (const TMultiLineEditWidget* memo = Memo(*this))
        return FromQString(memo->Text());
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
    if (TMultiLineEditWidget* memo = Memo(*this)) {
        if (text == memo->Text())
            return;
        FModified = false;
        memo->SetText(text);
        Perform(CM_TEXTCHANGED);
        return;
    }
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
    if (TMultiLineEditWidget* memo = Memo(*this)) {
        memo->SetMaxLength(FMaxLength);
        return;
    }
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
    // A multi-line window shows its text whatever the password character.
    if (IsMultiLine())
        return;
    LineEdit(*this)->setEchoMode(Value ? QLineEdit::Password : QLineEdit::Normal);
}

bool TEdit::ReadOnly() const
{
    if (const TMultiLineEditWidget* memo = Memo(*this))
        return memo->isReadOnly();
    return LineEdit(*this)->isReadOnly();
}

void TEdit::SetReadOnly(bool Value)
{
    if (TMultiLineEditWidget* memo = Memo(*this)) {
        // A read-only window still shows its caret and lets the text be
        // selected with the keyboard.
        memo->setReadOnly(Value);
        memo->setTextInteractionFlags(Value ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                            : Qt::TextEditorInteraction);
        return;
    }
    LineEdit(*this)->setReadOnly(Value);
}

int TEdit::SelStart() const
{
    if (const TMultiLineEditWidget* memo = Memo(*this))
        return memo->SelStart();
    const QLineEdit* edit = LineEdit(*this);
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void TEdit::SetSelStart(int Value)
{
    if (TMultiLineEditWidget* memo = Memo(*this)) {
        memo->SetSelection(Value, 0);
        return;
    }
    QLineEdit* edit = LineEdit(*this);
    edit->deselect();
    edit->setCursorPosition(Value);
}

int TEdit::SelLength() const
{
    if (const TMultiLineEditWidget* memo = Memo(*this))
        return memo->SelLength();
    return LineEdit(*this)->selectionLength();
}

void TEdit::SetSelLength(int Value)
{
    if (TMultiLineEditWidget* memo = Memo(*this)) {
        memo->SetSelection(memo->SelStart(), Value);
        return;
    }
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
    if (const TMultiLineEditWidget* memo = Memo(*this))
        return FromQString(memo->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
    return FromQString(LineEdit(*this)->selectedText());
}

void TEdit::SetSelText(const std::string& Value)
{
    if (TMultiLineEditWidget* memo = Memo(*this))
        memo->InsertText(ToQString(Value));
    else
        LineEdit(*this)->insert(ToQString(Value));
}

void TEdit::SelectAll()
{
    if (TMultiLineEditWidget* memo = Memo(*this))
        memo->selectAll();
    else
        LineEdit(*this)->selectAll();
}

void TEdit::ClearSelection()
{
    if (TMultiLineEditWidget* memo = Memo(*this)) {
        memo->DeleteSelection();
        return;
    }
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
    if (TMultiLineEditWidget* memo = Memo(*this))
        memo->copy();
    else
        LineEdit(*this)->copy();
}

void TEdit::CutToClipboard()
{
    if (TMultiLineEditWidget* memo = Memo(*this))
        memo->cut();
    else
        LineEdit(*this)->cut();
}

void TEdit::PasteFromClipboard()
{
    if (TMultiLineEditWidget* memo = Memo(*this))
        memo->paste();
    else
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
