// Reading a simulator graph export: a header of quoted names joined by ","
// then one line per sample, cells separated by commas. The text is read in
// one piece and its lines counted, so that every sample array is sized once;
// then one pass over the cells, with no line list and no per-cell allocation.
#include "data/DecimalText.h"
#include "data/HugePages.h"
#include "data/IsisPalette.h"
#include "data/IsisText.h"
#include "data/TDataAnalog.h"
#include "data/TDataBus.h"
#include "data/TDataLogic.h"
#include "data/TDatas.h"
#include <QFile>
#include <climits>
#include <new>

namespace
{

// A file naming more columns than this is not an export: guards against a
// small file asking for millions of series.
constexpr std::size_t MaxColumns = 65536;
// Short lines repeat their last cell, so a few bytes can ask for many
// samples; a real export never needs more than one sample per byte.
constexpr std::size_t SampleSlack = std::size_t(1) << 20;

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

void ReserveRows(TData &series, std::size_t rows)
{
    switch (series.Kind) {
    case dkAnalog:
        ReserveSamples(static_cast<TDataAnalog &>(series).Values, rows);
        break;
    case dkLogic:
        ReserveSamples(static_cast<TDataLogic &>(series).States, rows);
        break;
    default:
        ReserveSamples(static_cast<TDataBus &>(series).Words, rows);
        break;
    }
}

// Samples are appended in line order into arrays reserved for every line,
// which spares zeroing them first.
void AppendValue(TDataAnalog *series, double v)
{
    series->Values.push_back(v);
    series->UpdateMin(v);
    series->UpdateMax(v);
}

bool StoreCell(const Column &column, const char *begin, const char *end)
{
    const std::string_view cell(begin, std::size_t(end - begin));
    switch (column.Kind) {
    case dkAnalog: {
        double v;
        if (!ParseDecimal(begin, end, v))
            return false;
        AppendValue(static_cast<TDataAnalog *>(column.Series), v);
        return true;
    }
    case dkLogic:
        static_cast<TDataLogic *>(column.Series)->States.push_back(LogicCellState(cell));
        return true;
    default: {
        auto *bus = static_cast<TDataBus *>(column.Series);
        const std::int32_t word = BusCellWord(cell);
        bus->Words.push_back(word);
        bus->UpdateMax(word);
        return true;
    }
    }
}

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

// Stores every data line from p, one sample per line in each column.
bool ReadRows(const std::vector<Column> &columns, const char *p, const char *end)
{
    for (;;) {
        const char *cell = p;
        const char *cellEnd = p;
        bool lineOpen = true;
        for (const Column &column : columns) {
            // A line short of cells gives its last cell to the missing columns.
            bool stored = false;
            if (lineOpen) {
                cell = p;
                const char *number =
                    column.Kind == dkAnalog ? StorePlainNumber(column, p, end) : nullptr;
                stored = number != nullptr;
                cellEnd = stored ? number : CellEnd(p, end);
                p = cellEnd;
                lineOpen = p != end && *p == ',';
                if (lineOpen)
                    ++p;
            }
            if (!stored && !StoreCell(column, cell, cellEnd))
                return false;
        }
        if (lineOpen)
            p = LineEnd(p, end);
        if (p == end || (p = SkipLineBreak(p, end)) == end)
            return true;
    }
}

// A device with no size (a pipe, a character device) is read up to its end
// or its first zero byte, which ends the text: an endless source of zeros
// or random bytes cannot make the reading run forever.
QByteArray ReadStream(QFile &file)
{
    QByteArray bytes;
    for (;;) {
        const QByteArray chunk = file.read(qint64(1) << 20);
        bytes += chunk;
        if (chunk.isEmpty() || chunk.contains('\0'))
            return bytes;
    }
}

// One series per column, named from the header, its kind from the column's
// cell on line 2, with room for every line; none when a cell there is empty.
std::vector<std::unique_ptr<TData>> CreateSeries(std::string_view header, std::string_view second,
                                                 std::size_t columnCount, std::size_t rows)
{
    std::vector<std::unique_ptr<TData>> series;
    series.reserve(columnCount);
    const std::vector<QString> names = HeaderNames(header, columnCount);
    CommaFields cells(second);
    for (std::size_t c = 0; c < columnCount; ++c) {
        std::unique_ptr<TData> s = SeriesFor(cells.Next());
        if (!s)
            return {};
        s->SetName(names[c]);
        s->Color = IsisPalette[c % IsisPalette.size()];
        ReserveRows(*s, rows);
        series.push_back(std::move(s));
    }
    return series;
}

} // namespace

bool TDatas::LoadFromIsisText(std::string_view text)
{
    Clear();
    text = text.substr(0, text.find('\0'));
    const char *const end = text.data() + text.size();
    const char *const line2 = SkipLineBreak(LineEnd(text.data(), end), end);
    const std::size_t lines = CountLines(text);
    if (lines < 2 || lines - 1 > std::size_t(INT_MAX))
        return false;
    const std::string_view header(text.data(),
                                  std::size_t(LineEnd(text.data(), end) - text.data()));
    if (header.empty())
        return false;
    const std::string_view second(line2, std::size_t(LineEnd(line2, end) - line2));
    const std::size_t columnCount = CountCommas(second) + 1;
    const std::size_t rows = lines - 1;
    if (columnCount > MaxColumns || columnCount * rows > text.size() + SampleSlack)
        return false;

    try {
        std::vector<std::unique_ptr<TData>> series =
            CreateSeries(header, second, columnCount, rows);
        std::vector<Column> columns;
        for (const std::unique_ptr<TData> &s : series)
            columns.push_back({s->Kind, s.get()});
        if (series.empty() || !ReadRows(columns, line2, end))
            return false;
        for (const std::unique_ptr<TData> &s : series)
            s->SetCount(int(rows));
        Items = std::move(series);
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    }
}

bool TDatas::LoadFromIsisFile(const QString &fileName)
{
    Clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    try {
        if (file.isSequential()) {
            const QByteArray bytes = ReadStream(file);
            return LoadFromIsisText(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        }
        // Read in one piece into an uninitialised buffer: the file is the
        // largest allocation of an import.
        const qint64 size = file.size();
        std::unique_ptr<char[]> buffer(new char[std::size_t(size)]);
        AdviseHugePages(buffer.get(), std::size_t(size));
        const qint64 got = file.read(buffer.get(), size);
        if (got < 0)
            return false;
        return LoadFromIsisText(std::string_view(buffer.get(), std::size_t(got)));
    } catch (const std::bad_alloc &) {
        return false;
    }
}
