#include "platform/ui/maskedit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/beep.h"
#include "platform/ui/multilineedit.h"
#include "platform/ui/qtconvert.h"

LT_IMPLEMENT_CLASS(TCustomMaskEdit, TEdit) {}

LT_IMPLEMENT_CLASS(TMaskEdit, TCustomMaskEdit)
{
    P.Property("EditMask", &TMaskEdit::EditMask, &TMaskEdit::SetEditMask);
}

namespace {
QLineEdit* LineEdit(const TCustomMaskEdit& Edit)
{
    return static_cast<QLineEdit*>(Edit.Widget());
}

const char* const kMaskEditError = "Invalid input value.  Use escape key to abandon changes";
} // namespace

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TEdit(AOwner) {}

TCustomMaskEdit::~TCustomMaskEdit() = default;

QWidget* TCustomMaskEdit::CreateWidget()
{
    QWidget* widget = TEdit::CreateWidget();
    ApplyFrame(widget);
    if (FHasEditRect)
        ApplyEditRect(widget);
    return widget;
}

void TCustomMaskEdit::SetEditMask(const std::string& Value)
{
    if (Value == FEditMask)
        return;
    const std::string text = Text();
    FEditMask = Value;
    FMask = TEditMask(Value);
    if (IsMasked() && !IsMultiLine())
        LineEdit(*this)->setMaxLength(FMask.Length());
    else
        SetMaxLength(MaxLength());
    SetText(text);
}

std::u32string TCustomMaskEdit::EditText32() const
{
    return Utf8ToUtf32(TEdit::Text());
}

std::string TCustomMaskEdit::EditText() const
{
    return TEdit::Text();
}

void TCustomMaskEdit::SetEditText(const std::string& Value)
{
    if (!IsMasked()) {
        TEdit::SetText(Value);
        return;
    }
    std::u32string text = Utf8ToUtf32(Value);
    const std::u32string empty = FMask.EmptyText();
    text.resize(empty.size(), FMask.BlankChar());
    for (int i = 0; i < FMask.Length(); ++i)
        if (FMask.IsLiteral(i))
            text[static_cast<std::size_t>(i)] = empty[static_cast<std::size_t>(i)];
    TEdit::SetText(Utf32ToUtf8(text));
}

std::string TCustomMaskEdit::Text() const
{
    return IsMasked() ? Utf32ToUtf8(FMask.Strip(EditText32())) : TEdit::Text();
}

void TCustomMaskEdit::SetText(const std::string& Value)
{
    TEdit::SetText(IsMasked() ? Utf32ToUtf8(FMask.Format(Utf8ToUtf32(Value))) : Value);
}

void TCustomMaskEdit::ValidateEdit()
{
    if (!IsMasked() || !Modified())
        return;
    const int pos = FMask.FirstIncomplete(EditText32());
    if (pos < 0)
        return;
    SetSelStart(pos);
    throw EDBEditError(kMaskEditError);
}

TRect TCustomMaskEdit::EditRect() const
{
    return FHasEditRect ? FEditRect : ClientRect();
}

void TCustomMaskEdit::SetEditRect(const TRect& Value)
{
    FEditRect = Value;
    FHasEditRect = true;
    ApplyEditRect(Widget());
}

void TCustomMaskEdit::ApplyEditRect(QWidget* Widget) const
{
    const TRect client = ClientRect();
    const TRect& Value = FEditRect;
    if (auto* memo = dynamic_cast<TMultiLineEditWidget*>(Widget)) {
        memo->SetTextMargins(Value.Left - client.Left, Value.Top - client.Top, client.Right - Value.Right,
                             client.Bottom - Value.Bottom);
        return;
    }
    auto* edit = static_cast<QLineEdit*>(Widget);
    edit->setTextMargins(Value.Left - client.Left, Value.Top - client.Top, client.Right - Value.Right,
                         client.Bottom - Value.Bottom);
    edit->setCursorPosition(edit->cursorPosition());
}

void TCustomMaskEdit::SetWidgetFrame(bool Value)
{
    FWidgetFrame = Value;
    ApplyFrame(Widget());
}

void TCustomMaskEdit::ApplyFrame(QWidget* Widget) const
{
    if (auto* memo = dynamic_cast<TMultiLineEditWidget*>(Widget))
        memo->SetFrame(FWidgetFrame);
    else
        static_cast<QLineEdit*>(Widget)->setFrame(FWidgetFrame);
}

void TCustomMaskEdit::ChangeEditText(const std::u32string& Value, int Caret)
{
    if (auto* memo = dynamic_cast<TMultiLineEditWidget*>(Widget())) {
        const QString text = ToQString(Utf32ToUtf8(Value));
        if (text != memo->Text()) {
            SetModified(true);
            memo->SetText(text);
            SetModified(true);
        }
        memo->SetSelection(Caret, 0);
        return;
    }
    QLineEdit* edit = LineEdit(*this);
    const QString text = ToQString(Utf32ToUtf8(Value));
    if (text != edit->text()) {
        SetModified(true);
        edit->setText(text);
        SetModified(true);
    }
    edit->setCursorPosition(Caret);
}

bool TCustomMaskEdit::BlankSelection(std::u32string& Text, int& Caret) const
{
    const int length = SelLength();
    if (length <= 0)
        return false;
    Caret = SelStart();
    for (int i = Caret; i < Caret + length && i < static_cast<int>(Text.size()); ++i)
        if (!FMask.IsLiteral(i))
            Text[static_cast<std::size_t>(i)] = FMask.BlankChar();
    return true;
}

void TCustomMaskEdit::TypeChar(char32_t Ch)
{
    if (CharCase() == ecUpperCase)
        Ch = QChar::toUpper(Ch);
    else if (CharCase() == ecLowerCase)
        Ch = QChar::toLower(Ch);
    std::u32string text = EditText32();
    int caret = SelStart();
    BlankSelection(text, caret);
    const int pos = FMask.NextEditable(caret);
    if (pos < FMask.Length() && FMask.Accepts(pos, FMask.Converted(pos, Ch))) {
        text[static_cast<std::size_t>(pos)] = FMask.Converted(pos, Ch);
        const int next = FMask.NextEditable(pos + 1);
        ChangeEditText(text, next < FMask.Length() ? next : pos + 1);
        return;
    }
    // A literal typed jumps past the next position showing it.
    for (int q = caret; q < FMask.Length(); ++q)
        if (FMask.IsLiteral(q) && text[static_cast<std::size_t>(q)] == Ch) {
            ChangeEditText(text, FMask.NextEditable(q + 1));
            return;
        }
    MessageBeep(0);
}

void TCustomMaskEdit::Backspace()
{
    std::u32string text = EditText32();
    int caret = SelStart();
    if (!BlankSelection(text, caret)) {
        caret = FMask.PrevEditable(caret);
        if (caret < 0)
            return;
        text[static_cast<std::size_t>(caret)] = FMask.BlankChar();
    }
    ChangeEditText(text, caret);
}

void TCustomMaskEdit::DeleteAtCaret()
{
    std::u32string text = EditText32();
    int caret = SelStart();
    if (!BlankSelection(text, caret)) {
        const int pos = FMask.NextEditable(caret);
        if (pos >= FMask.Length())
            return;
        text[static_cast<std::size_t>(pos)] = FMask.BlankChar();
    }
    ChangeEditText(text, caret);
}

void TCustomMaskEdit::PasteMasked()
{
    for (const char32_t c : QApplication::clipboard()->text().toStdU32String())
        if (c >= 32)
            TypeChar(c);
}

void TCustomMaskEdit::CutMasked()
{
    if (SelLength() <= 0)
        return;
    CopyToClipboard();
    std::u32string text = EditText32();
    int caret = SelStart();
    BlankSelection(text, caret);
    ChangeEditText(text, caret);
}

void TCustomMaskEdit::KeyDown(unsigned& Key, TShiftState Shift)
{
    TEdit::KeyDown(Key, Shift);
    if (!IsMasked() || ReadOnly())
        return;
    if (Key == VK_DELETE && Shift.Contains(ssShift))
        CutMasked();
    else if (Key == VK_DELETE)
        DeleteAtCaret();
    else if (Key == VK_INSERT && Shift.Contains(ssShift))
        PasteMasked();
    else
        return;
    Key = 0;
}

void TCustomMaskEdit::KeyPress(char32_t& Key)
{
    TEdit::KeyPress(Key);
    if (Key == 0 || !IsMasked() || ReadOnly())
        return;
    switch (Key) {
    case 8: Backspace(); break;
    case 22: PasteMasked(); break;
    case 24: CutMasked(); break;
    default:
        if (Key < 32)
            return;
        TypeChar(Key);
    }
    Key = 0;
}

void TCustomMaskEdit::DoExit()
{
    ValidateEdit();
    TEdit::DoExit();
}
