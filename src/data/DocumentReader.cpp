#include "data/DocumentReader.h"
#include "data/ColorNames.h"
#include "data/DecimalText.h"
#include "data/EConvertError.h"
#include "data/IsisText.h"
#include "data/TSeriesSet.h"
#include "data/Windows1252.h"
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

namespace
{

constexpr std::string_view Bom = "\xEF\xBB\xBF";

} // namespace

std::size_t Utf8SequenceLength(const unsigned char *p, const unsigned char *end)
{
    const unsigned char lead = *p;
    std::size_t n;
    unsigned min;
    if (lead >= 0xC2 && lead <= 0xDF)
        n = 2, min = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        n = 3, min = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        n = 4, min = 0x10000;
    else
        return 0;
    if (std::size_t(end - p) < n)
        return 0;
    unsigned code = lead & (0x3Fu >> (n - 1));
    for (std::size_t i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (p[i] & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code >= min && code <= 0x10FFFF && !surrogate ? n : 0;
}

bool IsUtf8(std::string_view text)
{
    auto p = reinterpret_cast<const unsigned char *>(text.data());
    const auto end = p + text.size();
    while (p != end) {
        // Eight ASCII bytes at a time: the common case.
        std::uint64_t word;
        if (end - p >= 8 && (std::memcpy(&word, p, 8), (word & 0x8080808080808080u) == 0)) {
            p += 8;
        } else if (*p < 0x80) {
            ++p;
        } else {
            const std::size_t n = Utf8SequenceLength(p, end);
            if (n == 0)
                return false;
            p += n;
        }
    }
    return true;
}

// A real as the writer gives it for values that are not numbers.
bool SpecialReal(std::string_view text, double &value)
{
    if (text == "NAN")
        value = std::numeric_limits<double>::quiet_NaN();
    else if (text == "INF")
        value = std::numeric_limits<double>::infinity();
    else if (text == "-INF")
        value = -std::numeric_limits<double>::infinity();
    else
        return false;
    return true;
}

bool HasDocumentBanner(std::string_view firstLine)
{
    return firstLine.find("Scolivet Version ") != std::string_view::npos;
}

DocumentReader::DocumentReader(std::string_view bytes)
{
    const bool bom = bytes.substr(0, Bom.size()) == Bom;
    if (bom)
        bytes.remove_prefix(Bom.size());
    m_p = bytes.data();
    m_end = bytes.data() + bytes.size();
    m_utf8 = bom || IsUtf8(bytes);
    m_lines = CountLines(bytes);
}

QString DocumentReader::Decode(std::string_view bytes) const
{
    if (m_utf8)
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    return FromWindows1252(bytes);
}

int DocumentReader::IntOf(std::string_view text) const
{
    const bool hex = !text.empty() && text.front() == '$';
    std::string_view digits = hex ? text.substr(1) : text;
    if (!hex && !digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    long long value = 0;
    const char *end = digits.data() + digits.size();
    const auto r = std::from_chars(digits.data(), end, value, hex ? 16 : 10);
    const bool fits = hex ? value >= 0 && value <= 0xFFFFFFFFll
                          : value >= std::numeric_limits<int>::min() &&
                                value <= std::numeric_limits<int>::max();
    if (digits.empty() || r.ec != std::errc() || r.ptr != end || !fits)
        Fail(EConvertError::InvalidInteger(Decode(text)).Message());
    // "$FFFFFFFF" is -1: hexadecimal gives the 32 bits.
    return int(std::uint32_t(value));
}

double DocumentReader::RealOf(std::string_view text) const
{
    double value = 0;
    if (SpecialReal(text, value))
        return value;
    // The full stop and the comma both mark the decimals.
    char copy[64];
    std::string_view number = text;
    const std::size_t comma = text.find(',');
    if (comma != std::string_view::npos && text.size() < sizeof copy) {
        std::memcpy(copy, text.data(), text.size());
        copy[comma] = '.';
        number = std::string_view(copy, text.size());
    }
    if (!ParseDecimal(number, value))
        Fail(EConvertError::InvalidFloat(Decode(text)).Message());
    return value;
}

int DocumentReader::CountOf(std::string_view text) const
{
    const int n = IntOf(text);
    if (n < 0)
        Fail(QStringLiteral("le nombre %1 ne peut pas être négatif").arg(n));
    if (std::size_t(n) > LinesLeft())
        Fail(QStringLiteral("le document annonce %1 éléments mais s'arrête avant : "
                            "il est tronqué")
                 .arg(n));
    return n;
}

TColor DocumentReader::ReadColor()
{
    const std::string_view line = NextLine();
    if (const auto named = ColorByName(line))
        return *named;
    return TColor(IntOf(line));
}

TSeriesSet DocumentReader::ReadSet()
{
    std::string_view rest = NextLine();
    TSeriesSet set;
    while (!rest.empty()) {
        const std::string_view piece = NextPiece(rest);
        if (!piece.empty())
            set.Include(IntOf(piece));
    }
    return set;
}

std::string_view DocumentReader::NextPiece(std::string_view &rest)
{
    const std::size_t end = std::min(rest.find(';'), rest.size());
    const std::string_view piece = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    return piece;
}

int DocumentReader::InRange(int value, TIntRange range) const
{
    if (value < range.Min || value > range.Max)
        Fail(QStringLiteral("la valeur %1 sort des limites de la page (de %2 à %3)")
                 .arg(value)
                 .arg(range.Min)
                 .arg(range.Max));
    return value;
}

void DocumentReader::FailAt(std::size_t line, const QString &what) const
{
    throw EConvertError(QStringLiteral("Ligne %1 : %2").arg(line).arg(what));
}

void DocumentReader::Truncated() const
{
    throw EConvertError(QStringLiteral("Ligne %1 : le document s'arrête avant sa fin : "
                                       "il est tronqué")
                            .arg(m_line + 1));
}
