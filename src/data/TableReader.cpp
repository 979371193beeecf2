// Reading a table of numbers saved as text. The layout comes from the first
// lines; then one pass over the rows, with no line list and no per-cell
// allocation: a plain number is converted in the scan that finds the end of
// its cell. Sample arrays grow with the rows read, so a file that fails
// after a few rows never costs the memory of all of them.
#include "data/TableReader.h"
#include "data/DecimalText.h"
#include "data/DocumentReader.h"
#include "data/FileText.h"
#include "data/HugePages.h"
#include "data/IsisPalette.h"
#include "data/IsisText.h"
#include "data/TDataAnalog.h"
#include "data/TDatas.h"
#include "data/TableLayout.h"
#include "data/Utf16Text.h"
#include "data/Windows1252.h"
#include <climits>
#include <cmath>
#include <limits>
#include <new>

namespace
{

// A line naming more columns than this is not a table: guards against a
// small file asking for millions of series.
constexpr std::size_t MaxColumns = 65536;
// Short rows end in gaps, so a few bytes can ask for many samples; a real
// table needs no more than two samples per byte.
constexpr std::size_t SampleSlack = std::size_t(1) << 20;
constexpr std::size_t MaxSamples(std::size_t bytes)
{
    return 2 * bytes + SampleSlack;
}
// Rows reserved before the first line; the arrays then double as needed.
constexpr std::size_t FirstRows = 4096;
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr double Gap = std::numeric_limits<double>::quiet_NaN();

bool IsBreak(char c)
{
    return c == '\r' || c == '\n';
}

// Stores every row of numbers, one sample per row in each column; a cell
// beyond the columns that holds a number adds columns, gaps above it. A name
// of the header goes to its column once the column exists: a named column
// that never holds a number is no series.
class TableRows
{
public:
    TableRows(std::vector<std::unique_ptr<TData>> &series, const TTableLayout &layout,
              std::vector<TColumnName> names, std::size_t lines, std::size_t maxSamples)
        : m_series(series), m_names(std::move(names)), m_separator(layout.Separator),
          m_point(layout.Point), m_lines(lines), m_maxSamples(maxSamples), m_line(layout.DataLine)
    {
    }
    // Columns up to count, gaps in the rows read so far; false, with the
    // fault, when the table cannot hold them.
    bool AddColumns(std::size_t count);
    // Reads the rows from p; on false, why names the line and the cell.
    bool Read(const char *p, const char *end, QString &why);
    // Gives every series its count and range.
    void Finish();

private:
    const char *ReadRow(const char *p, const char *end);
    const char *ReadCell(const char *p, const char *end, double &v);
    const char *ReadOddCell(const char *p, const char *end, double &v);
    bool IsCellEnd(const char *p, const char *end) const
    {
        if (p == end || IsBreak(*p))
            return true;
        return m_separator == BlankSeparator ? (*p == ' ' || *p == '\t') : *p == m_separator;
    }
    bool Store(std::size_t c, double v);
    void AddSeries();
    void Grow();

    std::vector<std::unique_ptr<TData>> &m_series;
    const std::vector<TColumnName> m_names;
    std::vector<std::vector<double> *> m_values;
    std::vector<double> m_min, m_max;
    const char m_separator;
    const char m_point;
    const std::size_t m_lines;
    const std::size_t m_maxSamples;
    std::size_t m_line;
    std::size_t m_row = 0;
    std::size_t m_reserved = 0;
    std::size_t m_column = 0;
    QString m_fault;
};

void TableRows::AddSeries()
{
    const std::size_t c = m_series.size();
    const TColumnName name = c < m_names.size() ? m_names[c] : TColumnName{};
    auto s = std::make_unique<TDataAnalog>();
    s->SetName(name.Name.isEmpty() ? QStringLiteral("Colonne %1").arg(c + 1) : name.Name);
    s->Unit = name.Unit;
    s->Color = IsisPalette[c % IsisPalette.size()];
    ReserveSamples(s->Values, m_reserved);
    s->Values.resize(m_row, Gap);
    m_values.push_back(&s->Values);
    m_min.push_back(std::numeric_limits<double>::infinity());
    m_max.push_back(-std::numeric_limits<double>::infinity());
    m_series.push_back(std::move(s));
}

bool TableRows::Read(const char *p, const char *end, QString &why)
{
    while (p != end) {
        const char *s = p;
        while (s != end && (*s == ' ' || *s == '\t'))
            ++s;
        if (s != end && !IsBreak(*s)) {
            if (m_row == m_reserved)
                Grow();
            p = ReadRow(p, end);
            if (!p) {
                why = QStringLiteral("Ligne %1, colonne %2 : ").arg(m_line).arg(m_column + 1) +
                      m_fault;
                return false;
            }
            ++m_row;
        } else {
            p = s;
        }
        if (p != end) {
            p = SkipLineBreak(p, end);
            ++m_line;
        }
    }
    return true;
}

void TableRows::Grow()
{
    m_reserved = std::min(m_lines, std::max(FirstRows, m_reserved * 2));
    for (std::vector<double> *values : m_values)
        ReserveSamples(*values, m_reserved);
}

// One row from p; returns its end (a line break or the end of the text), or
// null when a cell is refused.
const char *TableRows::ReadRow(const char *p, const char *end)
{
    std::size_t c = 0;
    for (;; ++c) {
        double v;
        p = ReadCell(p, end, v);
        if (!p || !Store(c, v)) {
            m_column = c;
            return nullptr;
        }
        if (m_separator == BlankSeparator) {
            while (p != end && (*p == ' ' || *p == '\t'))
                ++p;
            if (p == end || IsBreak(*p))
                break;
        } else if (p != end && *p == m_separator) {
            ++p;
        } else {
            break;
        }
    }
    for (++c; c < m_values.size(); ++c)
        m_values[c]->push_back(Gap);
    return p;
}

// One cell from p: its value (NaN for a gap) and where it ends, or null when
// it holds something else than a number.
const char *TableRows::ReadCell(const char *p, const char *end, double &v)
{
    const bool blanks = m_separator == BlankSeparator;
    while (p != end && (*p == ' ' || (blanks && *p == '\t')))
        ++p;
    if (const char *stop = ScanPlainDecimal(p, end, v, m_point); stop && stop != p) {
        if (!blanks) {
            while (stop != end && *stop == ' ')
                ++stop;
        }
        if (IsCellEnd(stop, end))
            return stop;
    }
    return ReadOddCell(p, end, v);
}

// Quoted cells, gaps and numbers the fast scan leaves to the full conversion.
const char *TableRows::ReadOddCell(const char *p, const char *end, double &v)
{
    const char *cellEnd = p;
    if (p != end && *p == '"') {
        ++cellEnd;
        while (cellEnd != end && *cellEnd != '"' && !IsBreak(*cellEnd))
            ++cellEnd;
        if (cellEnd != end && *cellEnd == '"')
            ++cellEnd;
    }
    while (!IsCellEnd(cellEnd, end))
        ++cellEnd;
    std::string_view cell;
    TableCells(std::string_view(p, std::size_t(cellEnd - p)), m_separator).Next(cell);
    if (IsGapCell(cell)) {
        v = Gap;
        return cellEnd;
    }
    if (ParseDecimal(cell, v))
        return cellEnd;
    m_fault = QStringLiteral("« %1 » n'est pas un nombre.").arg(ShownInMessage(cell));
    return nullptr;
}

bool TableRows::Store(std::size_t c, double v)
{
    if (c >= m_values.size()) {
        // Gaps beyond the columns are only the end of the line.
        if (std::isnan(v))
            return true;
        const std::size_t first = m_values.size();
        if (!AddColumns(c + 1))
            return false;
        // The new columns before this cell had gaps on this row.
        for (std::size_t k = first; k < c; ++k)
            m_values[k]->push_back(Gap);
    }
    m_values[c]->push_back(v);
    m_min[c] = v < m_min[c] ? v : m_min[c];
    m_max[c] = v > m_max[c] ? v : m_max[c];
    return true;
}

bool TableRows::AddColumns(std::size_t count)
{
    if (count > MaxColumns) {
        m_fault = QStringLiteral("plus que les %1 colonnes possibles.").arg(MaxColumns);
        return false;
    }
    if (count * m_lines > m_maxSamples) {
        m_fault = QStringLiteral("%1 colonnes sur %2 lignes font plus de valeurs que le fichier ne "
                                 "peut en contenir.")
                      .arg(count)
                      .arg(m_lines);
        return false;
    }
    while (m_values.size() < count)
        AddSeries();
    return true;
}

void TableRows::Finish()
{
    for (std::size_t c = 0; c < m_series.size(); ++c) {
        TData &s = *m_series[c];
        s.SetCount(int(m_row));
        if (m_min[c] <= m_max[c]) {
            s.UpdateMin(m_min[c]);
            s.UpdateMax(m_max[c]);
        }
    }
}

// Why the shape of the table (columns, lines, size) rules it out; empty when
// it does not.
QString ShapeFault(const TTableLayout &layout, std::size_t columns, std::size_t lines,
                   std::size_t bytes)
{
    if (columns > MaxColumns)
        return QStringLiteral("Ligne %1 : %2 colonnes, plus que les %3 possibles.")
            .arg(layout.DataLine)
            .arg(columns)
            .arg(MaxColumns);
    if (lines > std::size_t(INT_MAX))
        return QStringLiteral("Le fichier a plus de %1 lignes de valeurs.").arg(INT_MAX);
    // Checked before any sample is stored: columns times lines is what the
    // arrays would hold if every line were read.
    if (columns * lines > MaxSamples(bytes))
        return QStringLiteral("%1 colonnes sur %2 lignes font plus de valeurs que les %3 "
                              "octets du fichier ne peuvent en contenir.")
            .arg(columns)
            .arg(lines)
            .arg(bytes);
    return {};
}

bool Refuse(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
    return false;
}

// Why a table of fewer than two columns makes no page: the first column is
// the abscissa of the others.
QString OneColumnFault(const TTableLayout &layout)
{
    const QString why =
        QStringLiteral("Ligne %1 : le tableau n'a qu'une colonne de nombres%2 ; il "
                       "en faut une pour les abscisses et au moins une pour les "
                       "valeurs.")
            .arg(layout.DataLine)
            .arg(layout.CommaColumn ? QStringLiteral(" à virgule décimale") : QString());
    if (!layout.CommaColumn)
        return why;
    return why +
           QStringLiteral(" Si la virgule y sépare deux colonnes, une ligne de noms « x,y » en "
                          "tête le dit.");
}

} // namespace

bool LoadTable(std::string_view bytes, TDatas &datas, QString *why)
{
    datas.Clear();
    if (HasUtf16Mark(bytes)) {
        std::string utf8;
        try {
            utf8 = Utf16ToUtf8(bytes);
        } catch (const std::bad_alloc &) {
            return Refuse(why, QStringLiteral("Mémoire insuffisante pour lire le fichier."));
        }
        return LoadTable(utf8, datas, why);
    }
    bytes = bytes.substr(0, bytes.find('\0'));
    const bool bom = bytes.starts_with(ByteOrderMark);
    if (bom)
        bytes.remove_prefix(ByteOrderMark.size());
    TTableLayout layout;
    QString reason;
    if (!FindTableLayout(bytes, layout, reason))
        return Refuse(why, reason);
    const char *const end = bytes.data() + bytes.size();
    const std::size_t lines =
        CountLines(std::string_view(layout.Data, std::size_t(end - layout.Data)));
    if (QString fault = ShapeFault(layout, layout.Columns, lines, bytes.size()); !fault.isEmpty())
        return Refuse(why, fault);
    try {
        std::vector<std::unique_ptr<TData>> series;
        TableRows rows(
            series, layout,
            ColumnNames(layout.Header, layout.HeaderSeparator, bom || IsUtf8(layout.Header), MaxColumns),
            lines, MaxSamples(bytes.size()));
        if (!rows.AddColumns(layout.Columns) || !rows.Read(layout.Data, end, reason))
            return Refuse(why, reason);
        if (series.size() < 2)
            return Refuse(why, OneColumnFault(layout));
        rows.Finish();
        datas.Items = std::move(series);
        return true;
    } catch (const std::bad_alloc &) {
        return Refuse(why, QStringLiteral("Mémoire insuffisante pour lire le fichier."));
    }
}

bool LoadTableFile(const QString &fileName, TDatas &datas, QString *why)
{
    datas.Clear();
    TFileText text;
    QString reason;
    if (!text.Read(fileName, reason, TZeroBytes::KeptInUtf16))
        return Refuse(why, reason);
    return LoadTable(text.View(), datas, why);
}

bool LooksLikeTable(std::string_view head)
{
    std::string utf8;
    if (HasUtf16Mark(head)) {
        utf8 = Utf16ToUtf8(head);
        head = utf8;
    }
    TTableLayout layout;
    QString why;
    return FindTableLayout(head.substr(0, head.find('\0')), layout, why);
}
