#include "platform/sql/namedparams.h"

namespace {

bool IsNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '$';
}

// The position just past the text that starts at `start` and ends with `terminator`
// (or the end of the text when it never does).
size_t SkipPast(const std::string& sql, size_t start, const std::string& terminator)
{
    const size_t found = sql.find(terminator, start);
    return found == std::string::npos ? sql.size() : found + terminator.size();
}

} // namespace

std::string ConvertNamedParams(const std::string& sql, std::vector<std::string>& names)
{
    std::string result;
    result.reserve(sql.size());
    size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        const char next = i + 1 < sql.size() ? sql[i + 1] : '\0';
        size_t end = i + 1;
        if (c == '\'' || c == '"')
            end = SkipPast(sql, i + 1, std::string(1, c));
        else if (c == '-' && next == '-')
            end = SkipPast(sql, i + 2, "\n");
        else if (c == '/' && next == '*')
            end = SkipPast(sql, i + 2, "*/");
        else if (c == ':' && next == ':')
            end = i + 2;
        else if (c == ':' && IsNameChar(next)) {
            while (end < sql.size() && IsNameChar(sql[end]))
                ++end;
            names.push_back(sql.substr(i + 1, end - i - 1));
            result += '?';
            i = end;
            continue;
        }
        result.append(sql, i, end - i);
        i = end;
    }
    return result;
}
