#include "data/IsisText.h"
#include <algorithm>

std::size_t CountLines(std::string_view text)
{
    if (text.empty())
        return 0;
    // A break is every LF and every CR not followed by LF; branch-free so
    // that it runs at memory speed.
    const char *s = text.data();
    const std::size_t last = text.size() - 1;
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < last; ++i)
        breaks += std::size_t((s[i] == '\n') | ((s[i] == '\r') & (s[i + 1] != '\n')));
    // The last byte ends the last line whether or not it is a break.
    return breaks + 1;
}

std::size_t CountCommas(std::string_view line)
{
    return std::size_t(std::count(line.begin(), line.end(), ','));
}

namespace
{

constexpr std::string_view Separator = "\",\"";

// The name at the start of rest: up to the next separator, or without the
// closing quote when no separator follows.
std::string_view NameAt(std::string_view rest)
{
    const std::size_t sep = rest.find(Separator);
    if (sep != std::string_view::npos)
        return rest.substr(0, sep);
    return rest.empty() ? rest : rest.substr(0, rest.size() - 1);
}

} // namespace

std::vector<QString> HeaderNames(std::string_view header, std::size_t count,
                                 QString (*decode)(std::string_view))
{
    std::vector<QString> names;
    names.reserve(count);
    if (count == 0)
        return names;
    names.push_back(
        decode(NameAt(header.substr(std::min<std::size_t>(1, header.size())))));
    // A header of one name gives it to every column.
    const bool oneName = header.find(Separator) == std::string_view::npos;
    std::string_view rest = header;
    for (std::size_t c = 1; c < count; ++c) {
        const std::size_t sep = oneName ? std::string_view::npos : rest.find(Separator);
        if (sep == std::string_view::npos) {
            names.push_back(names.back());
            continue;
        }
        rest.remove_prefix(sep + Separator.size());
        names.push_back(decode(NameAt(rest)));
    }
    return names;
}
