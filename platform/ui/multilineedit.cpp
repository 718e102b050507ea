#include "platform/ui/multilineedit.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <algorithm>

namespace {
// The room a drawn frame takes on each side.
constexpr int kFrameWidth = 2;
} // namespace

TMultiLineEditWidget::TMultiLineEditWidget(bool WordWrap, const TEditCharCase& CharCase) : FCharCase(CharCase)
{
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(WordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDocumentMargin(0);
    ApplyMargins();
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int Position, int Removed, int Added) { ContentsChanged(Position, Removed, Added); });
    connect(this, &QTextEdit::textChanged, this, [this] { TextChanged(); });
}

void TMultiLineEditWidget::TextChanged()
{
    // Once per change that leaves a different text, after any fixing.
    if (FFixing || Text() == FLastText)
        return;
    FLastText = Text();
    if (OnChanged)
        OnChanged();
}

void TMultiLineEditWidget::SetText(const QString& Value)
{
    FSettingText = true;
    setPlainText(Value);
    FSettingText = false;
    ApplyMargins();
}

void TMultiLineEditWidget::SetTextQuietly(const QString& Value)
{
    const QSignalBlocker blocker(this);
    SetText(Value);
    FLastText = Text();
}

void TMultiLineEditWidget::SetMaxLength(int Value)
{
    FMaxLength = Value;
}

int TMultiLineEditWidget::SelStart() const
{
    return textCursor().selectionStart();
}

int TMultiLineEditWidget::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TMultiLineEditWidget::SetSelection(int Start, int Length)
{
    const int length = static_cast<int>(Text().size());
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(Start, 0, length));
    cursor.setPosition(std::clamp(Start + std::max(Length, 0), 0, length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void TMultiLineEditWidget::InsertText(const QString& Value)
{
    textCursor().insertText(Value);
}

void TMultiLineEditWidget::DeleteSelection()
{
    textCursor().removeSelectedText();
}

int TMultiLineEditWidget::LineCount() const
{
    int count = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        count += std::max(1, block.layout()->lineCount());
    return count;
}

int TMultiLineEditWidget::LineOf(int Position) const
{
    const QTextBlock target = document()->findBlock(Position);
    int line = 0;
    for (QTextBlock block = document()->begin(); block.isValid() && block != target; block = block.next())
        line += std::max(1, block.layout()->lineCount());
    const QTextLine inBlock = target.layout()->lineForTextPosition(Position - target.position());
    return line + (inBlock.isValid() ? inBlock.lineNumber() : 0);
}

void TMultiLineEditWidget::SetTextMargins(int Left, int Top, int Right, int Bottom)
{
    FMargins[0] = Left;
    FMargins[1] = Top;
    FMargins[2] = Right;
    FMargins[3] = Bottom;
    ApplyMargins();
}

void TMultiLineEditWidget::SetFrame(bool Value)
{
    FFrame = Value;
    ApplyMargins();
    viewport()->update();
}

void TMultiLineEditWidget::ApplyMargins()
{
    const int frame = FFrame ? kFrameWidth : 0;
    QTextFrameFormat format = document()->rootFrame()->frameFormat();
    format.setLeftMargin(FMargins[0] + frame);
    format.setTopMargin(FMargins[1] + frame);
    format.setRightMargin(FMargins[2] + frame);
    format.setBottomMargin(FMargins[3] + frame);
    document()->rootFrame()->setFrameFormat(format);
}

void TMultiLineEditWidget::ContentsChanged(int Position, int Removed, int Added)
{
    if (FFixing)
        return;
    const int length = static_cast<int>(Text().size());
    Added = std::min(Added, length - Position);
    const int excess = FMaxLength > 0 ? std::max(0, length - FMaxLength) : 0;
    if (Added > 0 && (excess > 0 || FCharCase != ecNormal)) {
        // What entered the text keeps to the limit and takes the case.
        QTextCursor cursor(document());
        cursor.setPosition(Position);
        cursor.setPosition(Position + Added, QTextCursor::KeepAnchor);
        QString added = cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        added.chop(std::min(excess, Added));
        if (FCharCase == ecUpperCase)
            added = added.toUpper();
        else if (FCharCase == ecLowerCase)
            added = added.toLower();
        FFixing = true;
        cursor.insertText(added);
        FFixing = false;
    }
    if ((Added > 0 || Removed > 0) && !FSettingText && Text() != FLastText && OnEdited)
        OnEdited();
}

bool TMultiLineEditWidget::viewportEvent(QEvent* Event)
{
    const bool handled = QTextEdit::viewportEvent(Event);
    if (Event->type() != QEvent::Paint)
        return handled;
    if (FFrame) {
        QPainter painter(viewport());
        QStyleOptionFrame option;
        option.initFrom(this);
        option.rect = viewport()->rect();
        option.lineWidth = 1;
        option.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, this);
    }
    if (OnPainted)
        OnPainted();
    return handled;
}
