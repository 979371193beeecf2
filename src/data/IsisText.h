#pragma once
// Text operations on simulator export lines (8-bit text). Line breaks are
// CR LF, LF or CR.
#include <QString>
#include <string_view>
#include <vector>

// The line break at or after p, or end.
inline const char *LineEnd(const char *p, const char *end)
{
    while (p != end && *p != '\r' && *p != '\n')
        ++p;
    return p;
}

// Past the line break at p (CR LF counts as one).
inline const char *SkipLineBreak(const char *p, const char *end)
{
    if (p == end)
        return p;
    if (*p == '\r' && p + 1 != end && p[1] == '\n')
        return p + 2;
    return p + 1;
}

// Lines of a text; a final line break adds no empty line.
std::size_t CountLines(std::string_view text);

std::size_t CountCommas(std::string_view line);

// The successive comma-separated fields of a line, unquoted and untrimmed.
// Once the line has no comma left its last field comes back again and again,
// as the n-th field of a line with fewer than n fields is its last one.
class CommaFields
{
public:
    explicit CommaFields(std::string_view line) : FRest(line) {}
    std::string_view Next()
    {
        const std::size_t comma = FRest.find(',');
        if (comma == std::string_view::npos)
            return FRest;
        const std::string_view field = FRest.substr(0, comma);
        FRest.remove_prefix(comma + 1);
        return field;
    }

private:
    std::string_view FRest;
};

// The names of a header line "a","b","c" for count columns: the first loses
// its opening quote, the last its closing quote; columns beyond the names
// take the last name. Each name is decoded by `decode`.
std::vector<QString> HeaderNames(std::string_view header, std::size_t count,
                                 QString (*decode)(std::string_view));
