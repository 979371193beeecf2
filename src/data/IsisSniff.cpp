#include "data/IsisSniff.h"
#include "data/DecimalText.h"
#include "data/IsisText.h"
#include "data/TDataLogic.h"
#include <algorithm>

namespace
{

// "a","b","c": quotes only around the names.
bool IsQuotedHeader(std::string_view line)
{
    if (line.size() < 2 || line.front() != '"' || line.back() != '"')
        return false;
    std::string_view inner = line.substr(1, line.size() - 2);
    for (std::size_t sep; (sep = inner.find("\",\"")) != std::string_view::npos;) {
        if (inner.substr(0, sep).find('"') != std::string_view::npos)
            return false;
        inner.remove_prefix(sep + 3);
    }
    return inner.find('"') == std::string_view::npos;
}

bool IsHexWord(std::string_view word)
{
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
    });
}

// A cell the export reader takes: a number, a logic state, a bus word.
bool IsExportCell(std::string_view cell)
{
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') {
        const std::string_view inner = cell.substr(1, cell.size() - 2);
        return IsLogicState(cell) || inner == "<VOID>" || IsHexWord(inner);
    }
    double v;
    return cell.find_first_of("\"\t;") == std::string_view::npos && ParseDecimal(cell, v);
}

bool IsExportLine(std::string_view line)
{
    for (;;) {
        const std::size_t comma = line.find(',');
        if (!IsExportCell(line.substr(0, comma)))
            return false;
        if (comma == std::string_view::npos)
            return true;
        line.remove_prefix(comma + 1);
    }
}

} // namespace

TIsisLook LookForIsisExport(std::string_view head, bool whole)
{
    if (head.starts_with("\xEF\xBB\xBF"))
        head.remove_prefix(3);
    const char *p = head.data();
    const char *const end = p + head.size();
    const char *lineEnd = LineEnd(p, end);
    if (!IsQuotedHeader(std::string_view(p, std::size_t(lineEnd - p))))
        return TIsisLook::No;
    // Every line the head holds whole, blank ones included: the reader
    // refuses a blank line as an empty cell.
    for (p = SkipLineBreak(lineEnd, end); p != end; p = SkipLineBreak(lineEnd, end)) {
        lineEnd = LineEnd(p, end);
        if (lineEnd == end && !whole)
            break;
        if (!IsExportLine(std::string_view(p, std::size_t(lineEnd - p))))
            return TIsisLook::Header;
    }
    return TIsisLook::Export;
}
