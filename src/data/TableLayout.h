#pragma once
// How a table of numbers saved as text is laid out: the cell separator, the
// decimal point, the line naming the columns and the first line of numbers.
// Everything is found from the first lines; the rest of the file is read by
// the table reader.
#include <QString>
#include <string_view>
#include <vector>

// A blank (space) separator stands for runs of spaces and tabs.
inline constexpr char BlankSeparator = ' ';

struct TTableLayout {
    char Separator = ',';       // ',', ';', '\t' or BlankSeparator
    char Point = '.';           // decimal point of the first line of numbers
    std::string_view Header;    // the line naming the columns; empty without one
    std::size_t Columns = 0;    // cells of the first line of numbers, up to its last number
    const char *Data = nullptr; // start of the first line of numbers
    std::size_t DataLine = 0;   // its number, counted from 1
    bool CommaColumn = false;   // one column whose commas are decimal commas
    char HeaderSeparator = ','; // between the names: the cells' own, unless the
                                // header holds none of it but another
};

// Lines looked at for the first line of numbers; the lines before it are a
// title or comments, the last of them names the columns.
inline constexpr std::size_t LayoutLines = 128;

// Finds the layout of text; false, with why, when none of its first lines is
// a line of numbers.
bool FindTableLayout(std::string_view text, TTableLayout &layout, QString &why);

// The cells of one line, each without the blanks around it and without its
// double quotes ("" inside quotes stays doubled).
class TableCells
{
public:
    TableCells(std::string_view line, char separator) : m_rest(line), m_separator(separator) {}
    // The next cell; false once the line is used up.
    bool Next(std::string_view &cell);

private:
    std::string_view m_rest;
    char m_separator;
    bool m_done = false;
};

// Blank cells and "NaN" in any case are gaps.
bool IsGapCell(std::string_view cell);

struct TColumnName {
    QString Name;
    QString Unit;
};

// "Tension (V)", "t [s]" and "t[s]" name the column before the brackets and
// give it the unit between them; "V(out)" is a name (parentheses need a blank
// before them).
TColumnName SplitUnit(const QString &text);

// The names and units of a header line, decoded as UTF-8 or Windows-1252,
// the first `most` of them. A leading '#' (a commented header) is dropped;
// with a blank separator a lone bracketed unit belongs to the name before it.
std::vector<TColumnName> ColumnNames(std::string_view header, char separator, bool utf8,
                                     std::size_t most);
