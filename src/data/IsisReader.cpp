// Reading a simulator graph export: a header of quoted names joined by ","
// then one line per sample, cells separated by commas. The text is read in
// one piece and its lines counted; then one pass over the cells, with no line
// list and no per-cell allocation. Sample arrays grow with the lines read, so
// a file that fails after a few lines never costs the memory of all of them.
#include "data/DecimalText.h"
#include "data/FileText.h"
#include "data/HugePages.h"
#include "data/IsisPalette.h"
#include "data/IsisText.h"
#include "data/TDataAnalog.h"
#include "data/TDataBus.h"
#include "data/TDataLogic.h"
#include "data/TDatas.h"
#include "data/Windows1252.h"
#include <climits>
#include <new>
#include <optional>

namespace
{

// A file naming more columns than this is not an export: guards against a
// small file asking for millions of series.
constexpr std::size_t MaxColumns = 65536;
// Short lines repeat their last cell, so a few bytes can ask for many
// samples; a real export never needs more than one sample per byte.
constexpr std::size_t SampleSlack = std::size_t(1) << 20;
// Rows reserved before the first line; the arrays then double as needed.
constexpr std::size_t FirstRows = 4096;

struct Column {
    TDataKind Kind;
    TData *Series;
};

// The kind of a column from its cell on line 2, or null for an empty cell.
std::unique_ptr<TData> SeriesFor(std::string_view cell)
{
    if (cell.empty())
        return nullptr;
    if (cell.front() != '"')
        return std::make_unique<TDataAnalog>();
    if (IsLogicState(cell))
        return std::make_unique<TDataLogic>();
    return std::make_unique<TDataBus>();
}

void ReserveRows(const Column &column, std::size_t rows)
{
    switch (column.Kind) {
    case dkAnalog:
        ReserveSamples(static_cast<TDataAnalog *>(column.Series)->Values, rows);
        break;
    case dkLogic:
        ReserveSamples(static_cast<TDataLogic *>(column.Series)->States, rows);
        break;
    default:
        ReserveSamples(static_cast<TDataBus *>(column.Series)->Words, rows);
        break;
    }
}

void AppendValue(TDataAnalog *series, double v)
{
    series->Values.push_back(v);
    series->UpdateMin(v);
    series->UpdateMax(v);
}

// One cell, converted at most once per column kind: the last cell of a short
// line fills every missing column, and is read only once for all of them.
class Cell
{
public:
    explicit Cell(std::string_view text) : m_text(text) {}
    std::string_view Text() const { return m_text; }

    // Appends the cell to the column's series; false when an analog column
    // cannot read it.
    bool StoreInto(const Column &column)
    {
        switch (column.Kind) {
        case dkAnalog:
            if (!m_value) {
                double v;
                if (!ParseDecimal(m_text, v))
                    return false;
                m_value = v;
            }
            AppendValue(static_cast<TDataAnalog *>(column.Series), *m_value);
            return true;
        case dkLogic:
            if (!m_state)
                m_state = LogicCellState(m_text);
            static_cast<TDataLogic *>(column.Series)->States.push_back(*m_state);
            return true;
        default: {
            if (!m_word)
                m_word = BusCellWord(m_text);
            auto *bus = static_cast<TDataBus *>(column.Series);
            bus->Words.push_back(*m_word);
            bus->UpdateMax(*m_word);
            return true;
        }
        }
    }

private:
    std::string_view m_text;
    std::optional<double> m_value;
    std::optional<std::uint8_t> m_state;
    std::optional<std::int32_t> m_word;
};

bool IsCellEnd(const char *p, const char *end)
{
    return p == end || *p == ',' || *p == '\r' || *p == '\n';
}

// The first ',', CR or LF from p, or end.
const char *CellEnd(const char *p, const char *end)
{
    while (!IsCellEnd(p, end))
        ++p;
    return p;
}

// A plain number that fills its whole cell is stored in the same scan that
// finds the cell's end; returns that end, or null for any other cell.
const char *StorePlainNumber(const Column &column, const char *p, const char *end)
{
    double v;
    const char *stop = ScanPlainDecimal(p, end, v);
    if (!stop || stop == p || !IsCellEnd(stop, end))
        return nullptr;
    AppendValue(static_cast<TDataAnalog *>(column.Series), v);
    return stop;
}

// Stores every data line, one sample per line in each column.
class RowReader
{
public:
    RowReader(const std::vector<Column> &columns, std::size_t rows)
        : m_columns(columns), m_rows(rows)
    {
    }
    // Reads the lines from p; on false, why names the line and the cell.
    bool Read(const char *p, const char *end, QString &why);

private:
    const char *ReadLine(const char *p, const char *end);
    void Grow();

    const std::vector<Column> &m_columns;
    std::size_t m_rows;
    std::size_t m_reserved = 0;
    std::size_t m_row = 0;
    std::size_t m_failedColumn = 0;
    std::string_view m_failedCell;
};

bool RowReader::Read(const char *p, const char *end, QString &why)
{
    for (;;) {
        if (m_row == m_reserved)
            Grow();
        p = ReadLine(p, end);
        if (!p) {
            const QString place =
                QStringLiteral("Ligne %1, colonne %2 : ").arg(m_row + 2).arg(m_failedColumn + 1);
            why = place + (m_failedCell.empty()
                               ? QStringLiteral("la cellule est vide.")
                               : QStringLiteral("« %1 » n'est pas un nombre.").arg(ShownInMessage(m_failedCell)));
            return false;
        }
        ++m_row;
        if (p == end || (p = SkipLineBreak(p, end)) == end)
            return true;
    }
}

void RowReader::Grow()
{
    m_reserved = std::min(m_rows, std::max(FirstRows, m_reserved * 2));
    for (const Column &column : m_columns)
        ReserveRows(column, m_reserved);
}

// One line from p; returns its end, or null when a cell does not convert.
const char *RowReader::ReadLine(const char *p, const char *end)
{
    bool lineOpen = true;
    std::string_view text;
    std::optional<Cell> repeated;
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        const Column &column = m_columns[c];
        bool stored = false;
        if (lineOpen) {
            const char *number =
                column.Kind == dkAnalog ? StorePlainNumber(column, p, end) : nullptr;
            const char *cellEnd = number ? number : CellEnd(p, end);
            text = std::string_view(p, std::size_t(cellEnd - p));
            stored = number || Cell(text).StoreInto(column);
            p = cellEnd;
            lineOpen = p != end && *p == ',';
            if (lineOpen)
                ++p;
        } else {
            if (!repeated)
                repeated.emplace(text);
            stored = repeated->StoreInto(column);
        }
        if (!stored) {
            m_failedColumn = c;
            m_failedCell = text;
            return nullptr;
        }
    }
    return lineOpen ? LineEnd(p, end) : p;
}

} // namespace

namespace
{

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

QString NamesFromUtf8(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

// One series per column, named from the header, its kind from the column's
// cell on line 2; none when a cell there is empty, and why names it.
std::vector<std::unique_ptr<TData>> CreateSeries(std::string_view header, std::string_view second,
                                                 std::size_t columnCount, bool utf8, QString &why)
{
    std::vector<std::unique_ptr<TData>> series;
    series.reserve(columnCount);
    const std::vector<QString> names =
        HeaderNames(header, columnCount, utf8 ? NamesFromUtf8 : FromWindows1252);
    CommaFields cells(second);
    for (std::size_t c = 0; c < columnCount; ++c) {
        std::unique_ptr<TData> s = SeriesFor(cells.Next());
        if (!s) {
            why = QStringLiteral("Ligne 2, colonne %1 : la cellule est vide.").arg(c + 1);
            return {};
        }
        s->SetName(names[c]);
        s->Color = IsisPalette[c % IsisPalette.size()];
        series.push_back(std::move(s));
    }
    return series;
}

// Why the shape of the text (header, line 2, size) rules it out; empty when
// it does not.
QString ShapeFault(std::size_t lines, std::string_view header, std::size_t columnCount,
                   std::size_t textSize)
{
    if (lines < 2)
        return QStringLiteral("Ligne 2 : le fichier n'a pas de ligne de valeurs.");
    if (lines - 1 > std::size_t(INT_MAX))
        return QStringLiteral("Le fichier a plus de %1 lignes de valeurs.").arg(INT_MAX);
    if (header.empty())
        return QStringLiteral("Ligne 1 : la ligne des noms de colonnes est vide.");
    if (columnCount > MaxColumns)
        return QStringLiteral("Ligne 2 : %1 colonnes, plus que les %2 possibles.")
            .arg(columnCount)
            .arg(MaxColumns);
    // Checked before any sample is stored: columns times lines is what the
    // arrays would hold if every line were read.
    if (columnCount * (lines - 1) > textSize + SampleSlack)
        return QStringLiteral("%1 colonnes sur %2 lignes font plus de valeurs que les %3 "
                              "octets du fichier ne peuvent en contenir.")
            .arg(columnCount)
            .arg(lines - 1)
            .arg(textSize);
    return {};
}

bool Refuse(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
    return false;
}

} // namespace

bool TDatas::LoadFromIsisText(std::string_view text, QString *why)
{
    Clear();
    text = text.substr(0, text.find('\0'));
    // A byte-order mark says that the names are UTF-8.
    const bool utf8 = text.starts_with(ByteOrderMark);
    if (utf8)
        text.remove_prefix(ByteOrderMark.size());
    const char *const end = text.data() + text.size();
    const char *const headerEnd = LineEnd(text.data(), end);
    const char *const line2 = SkipLineBreak(headerEnd, end);
    const std::string_view header(text.data(), std::size_t(headerEnd - text.data()));
    const std::string_view second(line2, std::size_t(LineEnd(line2, end) - line2));
    const std::size_t lines = CountLines(text);
    const std::size_t columnCount = CountCommas(second) + 1;
    if (QString fault = ShapeFault(lines, header, columnCount, text.size()); !fault.isEmpty())
        return Refuse(why, fault);

    QString reason;
    try {
        std::vector<std::unique_ptr<TData>> series =
            CreateSeries(header, second, columnCount, utf8, reason);
        std::vector<Column> columns;
        for (const std::unique_ptr<TData> &s : series)
            columns.push_back({s->Kind, s.get()});
        if (series.empty() || !RowReader(columns, lines - 1).Read(line2, end, reason))
            return Refuse(why, reason);
        for (const std::unique_ptr<TData> &s : series)
            s->SetCount(int(lines - 1));
        Items = std::move(series);
        return true;
    } catch (const std::bad_alloc &) {
        return Refuse(why, QStringLiteral("Mémoire insuffisante pour lire le fichier."));
    }
}

bool TDatas::LoadFromIsisFile(const QString &fileName, QString *why)
{
    Clear();
    TFileText text;
    QString reason;
    if (!text.Read(fileName, reason))
        return Refuse(why, reason);
    return LoadFromIsisText(text.View(), why);
}
