#pragma once
// The widget of a multi-line edit window: plain text that wraps at word
// boundaries (or runs on with automatic horizontal scroll), without scroll
// bars. It keeps the one-line edit's rules: a length limit and a character
// case for whatever enters the text, margins that make the formatting
// rectangle, an optional sunken frame. Its viewport covers the whole widget,
// so whatever is painted over the text uses the widget's coordinates.
#include <functional>

#include <QTextEdit>

#include "platform/ui/stdctrls.h"

class TMultiLineEditWidget final : public QTextEdit {
public:
    TMultiLineEditWidget(bool WordWrap, const TEditCharCase& CharCase);

    QString Text() const { return toPlainText(); }
    // Sets the text as the program does: no edit notification.
    void SetText(const QString& Value);
    // Sets the text without any notification (a new window taking over).
    void SetTextQuietly(const QString& Value);
    // 0 or less: no limit.
    void SetMaxLength(int Value);
    int SelStart() const;
    int SelLength() const;
    // Selects Length characters from Start, the caret at their end.
    void SetSelection(int Start, int Length);
    void InsertText(const QString& Value);
    void DeleteSelection();
    void SetTextMargins(int Left, int Top, int Right, int Bottom);
    void SetFrame(bool Value);
    // Lines as laid out, and the one holding Position.
    int LineCount() const;
    int LineOf(int Position) const;

    // The text changed (by the user or the program).
    std::function<void()> OnChanged;
    // The user changed the text (typing, deleting, pasting, SelText).
    std::function<void()> OnEdited;
    // After the text was painted, for what is drawn over it.
    std::function<void()> OnPainted;

protected:
    bool viewportEvent(QEvent* Event) override;

private:
    void ContentsChanged(int Position, int Removed, int Added);
    void TextChanged();
    void ApplyMargins();

    const TEditCharCase& FCharCase;
    int FMaxLength = 0;
    bool FFrame = true;
    int FMargins[4] = {0, 0, 0, 0};
    bool FSettingText = false;
    QString FLastText;
    bool FFixing = false;
};
