#include "data/SpiceRawText.h"
#include "data/DocumentReader.h"
#include "data/Windows1252.h"
#include <QRegularExpression>
#include <QStringList>
#include <charconv>

namespace
{

constexpr std::string_view Utf16Bom = "\xFF\xFE";
// A header announcing more variables is refused before they are read: a
// page shows at most 255 curves, and each variable costs a series.
constexpr std::uint64_t MaxVariables = 65536;
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// The code units of a header, one byte each or UTF-16LE pairs.
class TextUnits
{
public:
    TextUnits(std::string_view bytes, bool wide) : m_bytes(bytes), m_wide(wide) {}
    std::size_t Size() const { return m_wide ? m_bytes.size() / 2 : m_bytes.size(); }
    char16_t operator[](std::size_t i) const
    {
        if (!m_wide)
            return char16_t(static_cast<unsigned char>(m_bytes[i]));
        return char16_t(static_cast<unsigned char>(m_bytes[2 * i]) |
                        static_cast<unsigned char>(m_bytes[2 * i + 1]) << 8);
    }
    std::size_t Bytes(std::size_t units) const { return m_wide ? 2 * units : units; }
    QString Line(std::size_t begin, std::size_t end) const
    {
        if (m_wide) {
            QString text(qsizetype(end - begin), Qt::Uninitialized);
            for (std::size_t i = begin; i < end; ++i)
                text[qsizetype(i - begin)] = QChar((*this)[i]);
            return text;
        }
        const std::string_view bytes = m_bytes.substr(begin, end - begin);
        return IsUtf8(bytes) ? QString::fromUtf8(bytes.data(), qsizetype(bytes.size()))
                             : FromWindows1252(bytes);
    }

private:
    std::string_view m_bytes;
    bool m_wide;
};

bool IsWide(std::string_view bytes)
{
    return bytes.starts_with(Utf16Bom) || (bytes.size() >= 2 && bytes[0] != 0 && bytes[1] == 0);
}

// The bytes after any byte-order mark.
std::string_view WithoutMark(std::string_view bytes)
{
    for (std::string_view mark : {Utf16Bom, Utf8Bom}) {
        if (bytes.starts_with(mark))
            return bytes.substr(mark.size());
    }
    return bytes;
}

bool StartsWithKey(const TextUnits &units, std::string_view key)
{
    if (units.Size() < key.size())
        return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (QChar(units[i]).toLower() != QLatin1Char(key[i]))
            return false;
    }
    return true;
}

bool ReadCount(const QString &text, std::uint64_t &count)
{
    const QByteArray digits = text.trimmed().toLatin1();
    const char *end = digits.constData() + digits.size();
    const auto [stop, error] = std::from_chars(digits.constData(), end, count);
    return !digits.isEmpty() && error == std::errc() && stop == end;
}

// Fills a header from its lines, one "key: value" at a time.
class HeaderParser
{
public:
    explicit HeaderParser(TRawHeader &header) : m_header(header) {}
    // Takes one line; false with fault set when it cannot be read. done
    // becomes true at the "Binary:" or "Values:" line.
    bool Take(const QString &line, bool &done);
    QString Fault;
    std::size_t FaultLine = 0;

private:
    bool TakeKey(const QString &key, const QString &value, bool &done);
    bool TakeVariable(const QString &line);
    bool Finish();
    bool Refuse(const QString &reason)
    {
        Fault = reason;
        FaultLine = m_lineNumber;
        return false;
    }

    TRawHeader &m_header;
    std::size_t m_lineNumber = 0;
    bool m_inVariables = false;
    bool m_countGiven = false;
    bool m_pointsGiven = false;
    std::uint64_t m_count = 0;
};

bool HeaderParser::Take(const QString &line, bool &done)
{
    ++m_lineNumber;
    const bool indented = !line.isEmpty() && line[0].isSpace();
    if (m_inVariables && indented)
        return TakeVariable(line);
    m_inVariables = false;
    if (line.trimmed().isEmpty())
        return true;
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return Refuse(QStringLiteral("« %1 » n'est pas une ligne d'en-tête.").arg(line.left(40)));
    return TakeKey(line.left(colon).trimmed().toLower(), line.mid(colon + 1), done);
}

bool HeaderParser::TakeKey(const QString &key, const QString &value, bool &done)
{
    if (key == QLatin1String("title")) {
        m_header.Title = value.trimmed();
    } else if (key == QLatin1String("plotname")) {
        m_header.Plotname = value.trimmed();
    } else if (key == QLatin1String("flags")) {
        const QStringList flags = value.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        m_header.Complex = flags.contains(QLatin1String("complex"));
        m_header.Double = flags.contains(QLatin1String("double"));
        m_header.Stepped = flags.contains(QLatin1String("stepped"));
        m_header.FastAccess = flags.contains(QLatin1String("fastaccess"));
    } else if (key == QLatin1String("no. variables")) {
        if (!ReadCount(value, m_count) || m_count == 0)
            return Refuse(QStringLiteral("nombre de variables illisible : « %1 ».").arg(value.trimmed()));
        if (m_count > MaxVariables)
            return Refuse(QStringLiteral("%1 variables, plus que les %2 possibles.")
                              .arg(m_count)
                              .arg(MaxVariables));
        m_countGiven = true;
    } else if (key == QLatin1String("no. points")) {
        if (!ReadCount(value, m_header.Points))
            return Refuse(QStringLiteral("nombre de points illisible : « %1 ».").arg(value.trimmed()));
        m_pointsGiven = true;
    } else if (key == QLatin1String("variables")) {
        m_inVariables = true;
        // Some writers put the first variable on the same line.
        if (!value.trimmed().isEmpty())
            return TakeVariable(value);
    } else if (key == QLatin1String("binary") || key == QLatin1String("values")) {
        m_header.Binary = key == QLatin1String("binary");
        done = true;
        return Finish();
    }
    return true;
}

// "<index> <name> <type> [more]", separated by tabs or spaces.
bool HeaderParser::TakeVariable(const QString &line)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList fields = line.split(blanks, Qt::SkipEmptyParts);
    if (fields.size() < 3)
        return Refuse(QStringLiteral("variable incomplète : « %1 ».").arg(line.trimmed().left(40)));
    if (m_header.Variables.size() >= MaxVariables)
        return Refuse(QStringLiteral("plus de %1 variables.").arg(MaxVariables));
    m_header.Variables.push_back({fields[1], fields[2]});
    return true;
}

bool HeaderParser::Finish()
{
    if (!m_countGiven)
        return Refuse(QStringLiteral("l'en-tête ne donne pas le nombre de variables."));
    if (!m_pointsGiven)
        return Refuse(QStringLiteral("l'en-tête ne donne pas le nombre de points."));
    if (m_header.Variables.size() != m_count)
        return Refuse(QStringLiteral("l'en-tête annonce %1 variables et en décrit %2.")
                          .arg(m_count)
                          .arg(m_header.Variables.size()));
    // A binary block says how many points it holds by its size: a run
    // stopped before its writer put the count in the header still reads.
    if (m_header.Points == 0 && !m_header.Binary)
        return Refuse(QStringLiteral("la courbe « %1 » n'a aucun point.").arg(m_header.Plotname));
    return true;
}

} // namespace

bool LooksLikeSpiceRaw(std::string_view head)
{
    const TextUnits units(WithoutMark(head), IsWide(head));
    return StartsWithKey(units, "title:") || StartsWithKey(units, "plotname:");
}

THeaderScan ScanRawHeader(std::string_view bytes)
{
    const std::string_view text = WithoutMark(bytes);
    const std::size_t mark = bytes.size() - text.size();
    THeaderScan scan;
    TRawHeader header;
    header.Wide = IsWide(bytes);
    const TextUnits units(text, header.Wide);
    HeaderParser parser(header);
    std::size_t begin = 0;
    bool done = false;
    while (!done) {
        std::size_t end = begin;
        while (end < units.Size() && units[end] != u'\n')
            ++end;
        if (end == units.Size()) {
            scan.NeedsMore = true;
            return scan;
        }
        const std::size_t stop = end > begin && units[end - 1] == u'\r' ? end - 1 : end;
        if (!parser.Take(units.Line(begin, stop), done)) {
            scan.Fault = parser.Fault;
            scan.FaultLine = parser.FaultLine;
            return scan;
        }
        ++header.Lines;
        begin = end + 1;
    }
    header.Length = mark + units.Bytes(begin);
    scan.Header = std::move(header);
    return scan;
}

QString UnitOfRawType(const QString &type)
{
    const QString t = type.toLower();
    if (t == QLatin1String("time"))
        return QStringLiteral("s");
    if (t == QLatin1String("voltage"))
        return QStringLiteral("V");
    if (t == QLatin1String("current") || t == QLatin1String("device_current") ||
        t == QLatin1String("subckt_current"))
        return QStringLiteral("A");
    if (t == QLatin1String("frequency"))
        return QStringLiteral("Hz");
    return {};
}
