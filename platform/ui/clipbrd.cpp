#include "platform/ui/clipbrd.h"

#include <map>
#include <vector>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/qtconvert.h"

LT_IMPLEMENT_CLASS(TClipboard, TPersistent) {}

namespace {
constexpr unsigned kFirstRegistered = 0xC000;
const QString kPrivatePrefix = QStringLiteral("application/x-lighting.");

struct TKnownFormat {
    const char* Name;
    const char* Mime;
};
const TKnownFormat kKnown[] = {
    {"Rich Text Format", "text/rtf"},
    {"Csv", "text/csv"},
    {"HTML Format", "text/html"},
};

std::vector<std::string>& RegisteredNames()
{
    static std::vector<std::string> names;
    return names;
}

bool IsText(unsigned Format)
{
    return Format == CF_TEXT || Format == CF_UNICODETEXT;
}

// The MIME type of a registered format.
QString MimeOf(unsigned Format)
{
    const auto& names = RegisteredNames();
    if (Format < kFirstRegistered || Format - kFirstRegistered >= names.size())
        throw EInvalidOperation("Clipboard format " + std::to_string(Format) + " is not registered");
    const std::string& name = names[Format - kFirstRegistered];
    for (const TKnownFormat& known : kKnown)
        if (SameText(name, known.Name))
            return QString::fromLatin1(known.Mime);
    return kPrivatePrefix + QString::fromLatin1(QUrl::toPercentEncoding(ToQString(name)));
}

// The format of a MIME type (0 for types that are no format of ours).
unsigned FormatOf(const QString& Mime)
{
    if (Mime == u"text/plain")
        return CF_TEXT;
    for (const TKnownFormat& known : kKnown)
        if (Mime == QString::fromLatin1(known.Mime))
            return RegisterClipboardFormat(known.Name);
    if (Mime.startsWith(kPrivatePrefix))
        return RegisterClipboardFormat(
            FromQString(QUrl::fromPercentEncoding(Mime.mid(kPrivatePrefix.size()).toLatin1())));
    return 0;
}

QClipboard& SystemClipboard()
{
    if (!QGuiApplication::instance())
        throw EInvalidOperation("The clipboard needs the application object");
    return *QGuiApplication::clipboard();
}
} // namespace

unsigned RegisterClipboardFormat(const std::string& Name)
{
    if (Name.empty())
        throw EInvalidOperation("A clipboard format needs a name");
    auto& names = RegisteredNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (SameText(names[i], Name))
            return kFirstRegistered + static_cast<unsigned>(i);
    names.push_back(Name);
    return kFirstRegistered + static_cast<unsigned>(names.size() - 1);
}

TClipboard::TClipboard() = default;

TClipboard::~TClipboard() = default;

void TClipboard::Open()
{
    ++FOpenCount;
}

void TClipboard::Close()
{
    if (FOpenCount == 0 || --FOpenCount > 0)
        return;
    if (FPending)
        SystemClipboard().setMimeData(FPending.release());
}

QMimeData& TClipboard::Target()
{
    if (!FPending)
        FPending = std::make_unique<QMimeData>();
    return *FPending;
}

const QMimeData* TClipboard::Source() const
{
    if (FPending)
        return FPending.get();
    return SystemClipboard().mimeData();
}

void TClipboard::Clear()
{
    Open();
    FPending = std::make_unique<QMimeData>();
    Close();
}

std::string TClipboard::AsText() const
{
    const QMimeData* data = Source();
    return data && data->hasText() ? FromQString(data->text()) : std::string();
}

void TClipboard::SetAsText(const std::string& Value)
{
    SetAsData(CF_TEXT, Value);
}

bool TClipboard::HasFormat(unsigned Format) const
{
    const QMimeData* data = Source();
    if (!data)
        return false;
    if (IsText(Format))
        return data->hasText();
    return data->hasFormat(MimeOf(Format));
}

std::string TClipboard::GetAsData(unsigned Format) const
{
    const QMimeData* data = Source();
    if (!data)
        return {};
    if (IsText(Format))
        return AsText();
    const QByteArray bytes = data->data(MimeOf(Format));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void TClipboard::SetAsData(unsigned Format, const std::string& Data)
{
    const QString mime = IsText(Format) ? QString() : MimeOf(Format);
    Open();
    QMimeData& target = Target();
    if (IsText(Format))
        target.setText(ToQString(Data));
    else
        target.setData(mime, QByteArray(Data.data(), static_cast<qsizetype>(Data.size())));
    Close();
}

int TClipboard::FormatCount() const
{
    const QMimeData* data = Source();
    if (!data)
        return 0;
    int count = 0;
    for (const QString& mime : data->formats())
        if (FormatOf(mime))
            ++count;
    return count;
}

unsigned TClipboard::Formats(int Index) const
{
    const QMimeData* data = Source();
    int seen = 0;
    if (data)
        for (const QString& mime : data->formats())
            if (const unsigned format = FormatOf(mime); format && seen++ == Index)
                return format;
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

TClipboard* Clipboard()
{
    static const std::unique_ptr<TClipboard> clipboard = std::make_unique<TClipboard>();
    return clipboard.get();
}
