#pragma once
// The clipboard: text and formats registered by name, each a block of
// bytes. A format registered by name travels as a MIME type: "Rich Text
// Format" as text/rtf, "Csv" as text/csv, "HTML Format" as text/html, any
// other name as "application/x-lighting." followed by the name
// percent-encoded. Text is UTF-8 on our side.
//
// Writing replaces the whole clipboard; between Open and Close the formats
// written go onto the clipboard together, at Close.
#include <memory>
#include <string>

#include "platform/rtl/persistent.h"

class QMimeData;

constexpr unsigned CF_TEXT = 1, CF_BITMAP = 2, CF_UNICODETEXT = 13;

// The number of a format name (case does not count); the same name gives
// the same number. Numbers start at 0xC000.
unsigned RegisterClipboardFormat(const std::string& Name);

class TClipboard : public TPersistent {
    LT_CLASS(TClipboard)
public:
    TClipboard();
    ~TClipboard() override;

    std::string AsText() const;
    void SetAsText(const std::string& Value);
    bool HasFormat(unsigned Format) const;
    // CF_TEXT and CF_UNICODETEXT are the text as UTF-8.
    std::string GetAsData(unsigned Format) const;
    void SetAsData(unsigned Format, const std::string& Data);
    void Clear();
    // Open and Close nest; the outermost Close puts what was written.
    void Open();
    void Close();
    // The formats on the clipboard.
    int FormatCount() const;
    unsigned Formats(int Index) const;

private:
    // The data to read: what is being written while open, else the
    // clipboard's.
    const QMimeData* Source() const;
    // The data to write to, begun empty on the first write of an Open.
    QMimeData& Target();

    int FOpenCount = 0;
    std::unique_ptr<QMimeData> FPending;
};

// The application's clipboard object.
TClipboard* Clipboard();
