#include "data/TableLayout.h"
#include "data/DecimalText.h"
#include "data/IsisText.h"
#include "data/Windows1252.h"
#include <array>

namespace
{

std::string_view Trimmed(std::string_view s, bool tabs)
{
    auto blank = [tabs](char c) { return c == ' ' || (tabs && c == '\t'); };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

struct Line {
    std::string_view Text;
    std::size_t Number;
};

// The first non-blank lines of text, with their numbers.
std::vector<Line> FirstLines(std::string_view text)
{
    std::vector<Line> lines;
    const char *p = text.data();
    const char *const end = p + text.size();
    for (std::size_t number = 1; p != end && lines.size() < LayoutLines; ++number) {
        const char *lineEnd = LineEnd(p, end);
        const std::string_view line(p, std::size_t(lineEnd - p));
        if (!Trimmed(line, true).empty())
            lines.push_back({line, number});
        p = SkipLineBreak(lineEnd, end);
    }
    return lines;
}

// Whether a line holds two cells or more, numbers and gaps only, one number
// at least; cells counts them up to the last number.
bool IsNumberLine(std::string_view line, char separator, std::size_t &cells)
{
    TableCells split(line, separator);
    std::size_t count = 0;
    cells = 0;
    std::string_view cell;
    while (split.Next(cell)) {
        ++count;
        if (IsGapCell(cell))
            continue;
        double v;
        if (!ParseDecimal(cell, v))
            return false;
        cells = count;
    }
    return count >= 2 && cells > 0;
}

bool HasDecimalComma(std::string_view line, char separator)
{
    return separator != ',' && line.find(',') != std::string_view::npos;
}

void Settle(TTableLayout &layout, const std::vector<Line> &lines, std::size_t data, char separator,
            std::size_t cells)
{
    layout.Separator = separator;
    layout.Point = HasDecimalComma(lines[data].Text, separator) ? ',' : '.';
    layout.CommaColumn = false;
    layout.Data = lines[data].Text.data();
    layout.DataLine = lines[data].Number;
    layout.Header = data > 0 ? lines[data - 1].Text : std::string_view();
    layout.Columns = cells;
    // "t","U" over cells separated by tabs.
    layout.HeaderSeparator = separator;
    for (const char other : {'\t', ';', ','}) {
        if (layout.Header.find(separator) == std::string_view::npos &&
            layout.Header.find(other) != std::string_view::npos) {
            layout.HeaderSeparator = other;
            break;
        }
    }
}

// A line holding one number without a decimal point, or a gap word.
bool IsCommaColumnCell(std::string_view line)
{
    const std::string_view cell = Trimmed(line, false);
    double v;
    return cell.find_first_of(".;\t") == std::string_view::npos &&
           (IsGapCell(cell) || ParseDecimal(cell, v));
}

// Whether the lines from data on are one column of numbers written with a
// decimal comma, as a spreadsheet saves a single column in French: whole
// numbers bare, others with one comma, nothing else on the line, and the
// line naming the column with no separator in it. A first line of two
// commas, or a header "t,v", says that the commas separate cells. data
// moves back over the whole numbers that open the column.
bool IsDecimalCommaColumn(const std::vector<Line> &lines, std::size_t &data)
{
    std::size_t first = data;
    while (first > 0 && IsCommaColumnCell(lines[first - 1].Text))
        --first;
    for (std::size_t i = first; i < lines.size(); ++i) {
        if (!IsCommaColumnCell(lines[i].Text))
            return false;
    }
    if (first > 0 && lines[first - 1].Text.find_first_of(",;\t") != std::string_view::npos)
        return false;
    data = first;
    return true;
}

} // namespace

bool TableCells::Next(std::string_view &cell)
{
    if (m_done)
        return false;
    const bool blanks = m_separator == BlankSeparator;
    // Tabs are blanks around a cell unless they separate the cells.
    const bool tabs = m_separator != '\t';
    std::string_view rest = Trimmed(m_rest, tabs);
    if (blanks && rest.empty())
        return false;
    std::size_t end;
    if (!rest.empty() && rest.front() == '"') {
        // Up to the closing quote, a doubled quote staying inside.
        std::size_t q = 1;
        while ((q = rest.find('"', q)) != std::string_view::npos && q + 1 < rest.size() &&
               rest[q + 1] == '"')
            q += 2;
        cell = rest.substr(1, q == std::string_view::npos ? std::string_view::npos : q - 1);
        end = q == std::string_view::npos ? rest.size() : q + 1;
        const std::size_t sep =
            blanks ? rest.find_first_of(" \t", end) : rest.find(m_separator, end);
        end = sep == std::string_view::npos ? rest.size() : sep;
    } else {
        end = blanks ? rest.find_first_of(" \t") : rest.find(m_separator);
        if (end == std::string_view::npos)
            end = rest.size();
        cell = Trimmed(rest.substr(0, end), tabs);
    }
    m_done = end == rest.size();
    m_rest = m_done ? std::string_view() : rest.substr(end + 1);
    return true;
}

bool IsGapCell(std::string_view cell)
{
    if (cell.empty())
        return true;
    if (cell.size() != 3)
        return false;
    auto lower = [](char c) { return char(c | 0x20); };
    return lower(cell[0]) == 'n' && lower(cell[1]) == 'a' && lower(cell[2]) == 'n';
}

bool FindTableLayout(std::string_view text, TTableLayout &layout, QString &why)
{
    const std::vector<Line> lines = FirstLines(text);
    // The first line of numbers, its separator taken in order of precedence:
    // a line "0,5;1,5" is two cells, not three.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (char separator : {'\t', ';', ',', BlankSeparator}) {
            std::size_t cells;
            if (!IsNumberLine(lines[i].Text, separator, cells))
                continue;
            if (std::size_t data = i; separator == ',' && IsDecimalCommaColumn(lines, data)) {
                Settle(layout, lines, data, ';', 1);
                layout.Point = ',';
                layout.CommaColumn = true;
            } else {
                Settle(layout, lines, i, separator, cells);
            }
            return true;
        }
    }
    // A single column of numbers.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        double v;
        if (ParseDecimal(Trimmed(lines[i].Text, true), v)) {
            Settle(layout, lines, i, ';', 1);
            return true;
        }
    }
    why = lines.empty()
              ? QStringLiteral("Le fichier est vide.")
              : QStringLiteral("Lignes %1 à %2 : aucune ligne de nombres séparés par des virgules, "
                               "des points-virgules, des tabulations ou des espaces.")
                    .arg(lines.front().Number)
                    .arg(lines.back().Number);
    return false;
}

TColumnName SplitUnit(const QString &text)
{
    const QString name = text.trimmed();
    const QChar last = name.isEmpty() ? QChar() : name.back();
    if (last != u')' && last != u']')
        return {name, {}};
    const qsizetype open = name.lastIndexOf(last == u')' ? u'(' : u'[');
    // "(V)" alone, or "V(out)": no name before the brackets.
    if (open <= 0 || (last == u')' && !name[open - 1].isSpace()))
        return {name, {}};
    const QString before = name.left(open).trimmed();
    if (before.isEmpty())
        return {name, {}};
    return {before, name.mid(open + 1, name.size() - open - 2).trimmed()};
}

std::vector<TColumnName> ColumnNames(std::string_view header, char separator, bool utf8,
                                     std::size_t most)
{
    header = Trimmed(header, true);
    if (header.starts_with('#'))
        header.remove_prefix(1);
    std::vector<TColumnName> names;
    TableCells cells(header, separator);
    std::string_view cell;
    while (names.size() < most && cells.Next(cell)) {
        QString text =
            utf8 ? QString::fromUtf8(cell.data(), qsizetype(cell.size())) : FromWindows1252(cell);
        text.replace(QStringLiteral("\"\""), QStringLiteral("\""));
        const bool lone = text.size() > 1 && (text.front() == u'(' || text.front() == u'[');
        if (separator == BlankSeparator && lone && !names.empty() && names.back().Unit.isEmpty())
            names.back() = SplitUnit(names.back().Name + u' ' + text);
        else
            names.push_back(SplitUnit(text));
    }
    // A separator ending the line names no column.
    while (!names.empty() && names.back().Name.isEmpty() && names.back().Unit.isEmpty())
        names.pop_back();
    return names;
}
