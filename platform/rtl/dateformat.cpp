// FormatDateTime and the date and time parsers.
#include "platform/rtl/dateformat.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "platform/rtl/exceptions.h"

namespace {

// Nested c, ddddd, dddddd, t and tt expand at most this deep.
constexpr int MaxFormatNesting = 2;

char Upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (Upper(text[i]) != Upper(prefix[i]))
            return false;
    }
    return true;
}

std::string Padded(int value, int width)
{
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

struct DateTimeParts {
    int Year, Month, Day, Hour, Minute, Second, MSec, WeekDay;
};

// Whether an am/pm specifier follows in the rest of the format, outside quoted text.
bool UsesTwelveHourClock(std::string_view rest)
{
    for (size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '\'' || c == '"') {
            const size_t end = rest.find(c, i + 1);
            if (end == std::string_view::npos)
                return false;
            i = end;
        } else if (StartsWithNoCase(rest.substr(i), "am/pm") || StartsWithNoCase(rest.substr(i), "a/p")
                   || StartsWithNoCase(rest.substr(i), "ampm")) {
            return true;
        }
    }
    return false;
}

class DateTimeFormatter {
public:
    DateTimeFormatter(const DateTimeParts& parts, const TFormatSettings& settings)
        : FParts(parts), FSettings(settings)
    {
    }

    void Append(std::string_view format, int level)
    {
        char lastToken = 0;
        size_t i = 0;
        while (i < format.size()) {
            const char c = format[i];
            char token = Upper(c);
            if (token >= 'A' && token <= 'Z') {
                if (token == 'M' && lastToken == 'H')
                    token = 'N';
                lastToken = token;
            }
            const size_t count = Count(format, i);
            switch (token) {
            case 'Y':
                FText += count <= 2 ? Padded(FParts.Year % 100, 2) : Padded(FParts.Year, 4);
                i += count;
                break;
            case 'M':
                if (count == 1)
                    FText += std::to_string(FParts.Month);
                else if (count == 2)
                    FText += Padded(FParts.Month, 2);
                else if (count == 3)
                    FText += FSettings.ShortMonthNames[FParts.Month - 1];
                else
                    FText += FSettings.LongMonthNames[FParts.Month - 1];
                i += count;
                break;
            case 'D':
                AppendDay(count, level);
                i += count;
                break;
            case 'H': {
                const size_t used = std::min<size_t>(count, 2);
                int hour = FParts.Hour;
                if (UsesTwelveHourClock(format.substr(i + used))) {
                    hour %= 12;
                    if (hour == 0)
                        hour = 12;
                }
                FText += used == 1 ? std::to_string(hour) : Padded(hour, 2);
                i += used;
                break;
            }
            case 'N':
                FText += count == 1 ? std::to_string(FParts.Minute) : Padded(FParts.Minute, 2);
                i += count;
                break;
            case 'S':
                FText += count == 1 ? std::to_string(FParts.Second) : Padded(FParts.Second, 2);
                i += count;
                break;
            case 'Z':
                FText += count < 3 ? std::to_string(FParts.MSec) : Padded(FParts.MSec, 3);
                i += count;
                break;
            case 'T':
                if (level < MaxFormatNesting)
                    Append(count == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, level + 1);
                i += count;
                break;
            case 'C':
                if (level < MaxFormatNesting) {
                    Append(FSettings.ShortDateFormat, level + 1);
                    if (FParts.Hour || FParts.Minute || FParts.Second || FParts.MSec) {
                        FText += ' ';
                        Append(FSettings.LongTimeFormat, level + 1);
                    }
                }
                i += 1;
                break;
            case 'A':
                i += AppendAmPm(format.substr(i));
                break;
            case '/':
                FText += FSettings.DateSeparator;
                i += 1;
                break;
            case ':':
                FText += FSettings.TimeSeparator;
                i += 1;
                break;
            case '\'':
            case '"': {
                const size_t end = std::min(format.find(c, i + 1), format.size());
                FText += format.substr(i + 1, end - i - 1);
                i = end + 1;
                break;
            }
            default:
                FText += c;
                i += 1;
                break;
            }
        }
    }

    const std::string& Text() const { return FText; }

private:
    // The run of the same letter (in any case) starting at i.
    static size_t Count(std::string_view format, size_t i)
    {
        size_t end = i + 1;
        while (end < format.size() && Upper(format[end]) == Upper(format[i]))
            ++end;
        return end - i;
    }

    void AppendDay(size_t count, int level)
    {
        switch (count) {
        case 1:
            FText += std::to_string(FParts.Day);
            break;
        case 2:
            FText += Padded(FParts.Day, 2);
            break;
        case 3:
            FText += FSettings.ShortDayNames[FParts.WeekDay - 1];
            break;
        case 4:
            FText += FSettings.LongDayNames[FParts.WeekDay - 1];
            break;
        case 5:
            if (level < MaxFormatNesting)
                Append(FSettings.ShortDateFormat, level + 1);
            break;
        default:
            if (level < MaxFormatNesting)
                Append(FSettings.LongDateFormat, level + 1);
            break;
        }
    }

    // Returns the number of format characters used.
    size_t AppendAmPm(std::string_view rest)
    {
        const bool pm = FParts.Hour >= 12;
        if (StartsWithNoCase(rest, "am/pm")) {
            FText += pm ? rest.substr(3, 2) : rest.substr(0, 2);
            return 5;
        }
        if (StartsWithNoCase(rest, "a/p")) {
            FText += pm ? rest[2] : rest[0];
            return 3;
        }
        if (StartsWithNoCase(rest, "ampm")) {
            FText += pm ? FSettings.TimePMString : FSettings.TimeAMString;
            return 4;
        }
        FText += rest[0];
        return 1;
    }

    const DateTimeParts& FParts;
    const TFormatSettings& FSettings;
    std::string FText;
};

// Reads the text from a position on, skipping blanks; the Scan functions
// leave the position after what they read and return false on a mismatch.
class Scanner {
public:
    explicit Scanner(std::string_view text) : FText(text) {}

    bool AtEnd()
    {
        SkipBlanks();
        return FPos == FText.size();
    }
    size_t Position() const { return FPos; }
    void SetPosition(size_t pos) { FPos = pos; }

    bool Number(int& value, int& length)
    {
        SkipBlanks();
        length = 0;
        value = 0;
        while (FPos < FText.size() && FText[FPos] >= '0' && FText[FPos] <= '9' && length < 9) {
            value = value * 10 + (FText[FPos++] - '0');
            ++length;
        }
        return length > 0;
    }

    // A separator; a blank separator is also matched by the blanks before the next item.
    bool Separator(const std::string& separator)
    {
        const size_t start = FPos;
        SkipBlanks();
        if (!separator.empty() && FText.substr(FPos).starts_with(separator)) {
            FPos += separator.size();
            return true;
        }
        return FPos > start && separator.find_first_not_of(" \t") == std::string::npos;
    }

    bool Word(const std::string& word)
    {
        SkipBlanks();
        if (word.empty() || !StartsWithNoCase(FText.substr(FPos), word))
            return false;
        FPos += word.size();
        return true;
    }

private:
    void SkipBlanks()
    {
        while (FPos < FText.size() && (FText[FPos] == ' ' || FText[FPos] == '\t'))
            ++FPos;
    }

    std::string_view FText;
    size_t FPos = 0;
};

int CurrentYear()
{
    int year = 0, month = 0, day = 0;
    DecodeDate(Date(), year, month, day);
    return year;
}

int ExpandYear(int year, int length, const TFormatSettings& settings)
{
    if (length > 2)
        return year;
    const int current = CurrentYear();
    const int window = settings.TwoDigitYearCenturyWindow;
    const int base = current - window;
    year += (window > 0 ? base : current) / 100 * 100;
    if (window > 0 && year < base)
        year += 100;
    return year;
}

// "DMY", "MDY" or "YMD" from the order of d, m and y in the short date format.
std::string DateOrder(const std::string& format)
{
    std::string order;
    char quote = 0;
    for (const char c : format) {
        if (quote) {
            if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
            continue;
        }
        const char u = Upper(c);
        if ((u == 'D' || u == 'M' || u == 'Y') && order.find(u) == std::string::npos)
            order += u;
    }
    return order == "MDY" || order == "YMD" ? order : "DMY";
}

bool ScanDate(Scanner& scanner, TDateTime& date, const TFormatSettings& settings)
{
    int n[3] = {};
    int length[3] = {};
    if (!scanner.Number(n[0], length[0]) || !scanner.Separator(settings.DateSeparator)
        || !scanner.Number(n[1], length[1]))
        return false;
    const size_t afterTwo = scanner.Position();
    const bool three = scanner.Separator(settings.DateSeparator) && scanner.Number(n[2], length[2]);
    if (!three)
        scanner.SetPosition(afterTwo);
    const std::string order = DateOrder(settings.ShortDateFormat);
    int year = 0, month = 0, day = 0;
    if (three) {
        for (size_t i = 0; i < 3; ++i) {
            if (order[i] == 'D')
                day = n[i];
            else if (order[i] == 'M')
                month = n[i];
            else
                year = ExpandYear(n[i], length[i], settings);
        }
    } else {
        year = CurrentYear();
        const bool dayFirst = order == "DMY";
        day = dayFirst ? n[0] : n[1];
        month = dayFirst ? n[1] : n[0];
    }
    return TryEncodeDate(year, month, day, date);
}

// 0 none, 1 AM, 2 PM.
int ScanAmPm(Scanner& scanner, const TFormatSettings& settings)
{
    if (scanner.Word(settings.TimeAMString) || scanner.Word("AM"))
        return 1;
    if (scanner.Word(settings.TimePMString) || scanner.Word("PM"))
        return 2;
    return 0;
}

bool ScanTime(Scanner& scanner, TDateTime& time, const TFormatSettings& settings)
{
    int amPm = ScanAmPm(scanner, settings);
    int hour = 0, minute = 0, second = 0, msec = 0, length = 0;
    if (!scanner.Number(hour, length) || !scanner.Separator(settings.TimeSeparator)
        || !scanner.Number(minute, length))
        return false;
    size_t pos = scanner.Position();
    if (scanner.Separator(settings.TimeSeparator) && scanner.Number(second, length)) {
        pos = scanner.Position();
        int fraction = 0;
        if (scanner.Separator(settings.DecimalSeparator) && scanner.Number(fraction, length) && length <= 3) {
            msec = fraction * (length == 1 ? 100 : length == 2 ? 10 : 1);
            pos = scanner.Position();
        }
    }
    scanner.SetPosition(pos);
    if (amPm == 0)
        amPm = ScanAmPm(scanner, settings);
    if (amPm != 0) {
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (amPm == 2 ? 12 : 0);
    }
    return TryEncodeTime(hour, minute, second, msec, time);
}

DateTimeParts Decode(TDateTime value)
{
    DateTimeParts parts{};
    DecodeDate(value, parts.Year, parts.Month, parts.Day);
    DecodeTime(value, parts.Hour, parts.Minute, parts.Second, parts.MSec);
    parts.WeekDay = DayOfWeek(value);
    return parts;
}

} // namespace

std::string FormatDateTime(const std::string& format, TDateTime value)
{
    return FormatDateTime(format, value, FormatSettings);
}

std::string FormatDateTime(const std::string& format, TDateTime value, const TFormatSettings& settings)
{
    const DateTimeParts parts = Decode(value);
    DateTimeFormatter formatter(parts, settings);
    formatter.Append(format.empty() ? std::string_view("c") : std::string_view(format), 0);
    return formatter.Text();
}

std::string DateToStr(TDateTime value)
{
    return DateToStr(value, FormatSettings);
}

std::string DateToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime("ddddd", value, settings);
}

std::string TimeToStr(TDateTime value)
{
    return TimeToStr(value, FormatSettings);
}

std::string TimeToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime("tt", value, settings);
}

std::string DateTimeToStr(TDateTime value)
{
    return DateTimeToStr(value, FormatSettings);
}

std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime("c", value, settings);
}

bool TryStrToDate(const std::string& text, TDateTime& value)
{
    return TryStrToDate(text, value, FormatSettings);
}

bool TryStrToDate(const std::string& text, TDateTime& value, const TFormatSettings& settings)
{
    Scanner scanner(text);
    TDateTime date = 0;
    if (!ScanDate(scanner, date, settings) || !scanner.AtEnd())
        return false;
    value = date;
    return true;
}

TDateTime StrToDate(const std::string& text)
{
    return StrToDate(text, FormatSettings);
}

TDateTime StrToDate(const std::string& text, const TFormatSettings& settings)
{
    TDateTime value = 0;
    if (!TryStrToDate(text, value, settings))
        throw EConvertError("'" + text + "' is not a valid date");
    return value;
}

bool TryStrToTime(const std::string& text, TDateTime& value)
{
    return TryStrToTime(text, value, FormatSettings);
}

bool TryStrToTime(const std::string& text, TDateTime& value, const TFormatSettings& settings)
{
    Scanner scanner(text);
    TDateTime time = 0;
    if (!ScanTime(scanner, time, settings) || !scanner.AtEnd())
        return false;
    value = time;
    return true;
}

TDateTime StrToTime(const std::string& text)
{
    return StrToTime(text, FormatSettings);
}

TDateTime StrToTime(const std::string& text, const TFormatSettings& settings)
{
    TDateTime value = 0;
    if (!TryStrToTime(text, value, settings))
        throw EConvertError("'" + text + "' is not a valid time");
    return value;
}

bool TryStrToDateTime(const std::string& text, TDateTime& value)
{
    return TryStrToDateTime(text, value, FormatSettings);
}

bool TryStrToDateTime(const std::string& text, TDateTime& value, const TFormatSettings& settings)
{
    Scanner scanner(text);
    TDateTime date = 0;
    if (ScanDate(scanner, date, settings)) {
        TDateTime time = 0;
        if (scanner.AtEnd() || (ScanTime(scanner, time, settings) && scanner.AtEnd())) {
            value = ComposeDateTime(date, time);
            return true;
        }
    }
    return TryStrToTime(text, value, settings);
}

TDateTime StrToDateTime(const std::string& text)
{
    return StrToDateTime(text, FormatSettings);
}

TDateTime StrToDateTime(const std::string& text, const TFormatSettings& settings)
{
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value, settings))
        throw EConvertError("'" + text + "' is not a valid date and time");
    return value;
}
