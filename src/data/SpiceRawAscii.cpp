// The text values of a raw file: for each point its number, then one value
// per variable ("real,imaginary" for a complex one), separated by blanks and
// line breaks.
#include "data/DecimalText.h"
#include "data/SpiceRawValues.h"
#include "data/Windows1252.h"
#include <algorithm>
#include <array>

namespace
{

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The spellings of values that are not numbers, lower case: each is a gap.
bool IsGapText(std::string_view token)
{
    static constexpr std::array<std::string_view, 9> Spellings{
        "nan", "-nan", "+nan", "inf", "-inf", "+inf", "infinity", "-infinity", "+infinity"};
    if (token.size() > 9)
        return false;
    std::string lower(token);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return std::find(Spellings.begin(), Spellings.end(), lower) != Spellings.end();
}

// Walks the tokens of the text, counting lines.
class Tokens
{
public:
    Tokens(std::string_view text, std::size_t firstLine)
        : m_p(text.data()), m_begin(text.data()), m_end(text.data() + text.size()),
          m_line(firstLine)
    {
    }

    // The next value, which ends at a blank, at a comma when comma is set, or
    // at the end; false with why set when it is not a number.
    bool Value(double &v, bool comma, QString &why)
    {
        SkipBlanks();
        const char *stop = ScanPlainDecimal(m_p, m_end, v);
        if (stop && stop != m_p && AtTokenEnd(stop, comma)) {
            m_p = stop;
            return true;
        }
        const std::string_view token = Token(comma);
        if (ParseDecimalSlow(token.data(), token.data() + token.size(), v) && !token.empty())
            return true;
        if (IsGapText(token)) {
            v = TColumnSink::Gap;
            return true;
        }
        why = token.empty() ? QStringLiteral("Ligne %1 : les valeurs s'arrêtent avant le dernier point.")
                                  .arg(m_line)
                            : QStringLiteral("Ligne %1 : « %2 » n'est pas un nombre.")
                                  .arg(m_line)
                                  .arg(ShownInMessage(token));
        return false;
    }
    // The comma between the two parts of a complex value.
    bool Comma(QString &why)
    {
        if (m_p != m_end && *m_p == ',') {
            ++m_p;
            return true;
        }
        why = QStringLiteral("Ligne %1 : une valeur complexe attend « partie réelle,partie "
                             "imaginaire ».")
                  .arg(m_line);
        return false;
    }
    // A point's number, which starts each point.
    bool PointNumber(QString &why)
    {
        SkipBlanks();
        const std::string_view token = Token(false);
        if (!token.empty() && std::all_of(token.begin(), token.end(),
                                          [](char c) { return c >= '0' && c <= '9'; }))
            return true;
        why = token.empty() ? QStringLiteral("Ligne %1 : les valeurs s'arrêtent avant le dernier point.")
                                  .arg(m_line)
                            : QStringLiteral("Ligne %1 : « %2 » n'est pas un numéro de point.")
                                  .arg(m_line)
                                  .arg(ShownInMessage(token));
        return false;
    }
    std::size_t Used() const { return std::size_t(m_p - m_begin); }

private:
    void SkipBlanks()
    {
        while (m_p != m_end && IsBlank(*m_p)) {
            if (*m_p == '\n')
                ++m_line;
            ++m_p;
        }
    }
    bool AtTokenEnd(const char *p, bool comma) const
    {
        return p == m_end || IsBlank(*p) || (comma && *p == ',');
    }
    std::string_view Token(bool comma)
    {
        const char *start = m_p;
        while (!AtTokenEnd(m_p, comma))
            ++m_p;
        return {start, std::size_t(m_p - start)};
    }

    const char *m_p;
    const char *m_begin;
    const char *m_end;
    std::size_t m_line;
};

} // namespace

bool ReadRawText(std::string_view text, std::size_t firstLine, const TRawHeader &header,
                 TRawColumns &columns, std::size_t &used, QString &why)
{
    TColumnSink sink(header, columns);
    Tokens tokens(text, firstLine);
    const std::size_t variables = header.Variables.size();
    for (std::size_t p = 0; p < header.Points; ++p) {
        if (!tokens.PointNumber(why))
            return false;
        for (std::size_t v = 0; v < variables; ++v) {
            double re = 0;
            double im = 0;
            if (!tokens.Value(re, header.Complex, why))
                return false;
            if (!header.Complex) {
                sink.Real(v, p, re);
                continue;
            }
            if (!tokens.Comma(why) || !tokens.Value(im, true, why))
                return false;
            sink.Complex(v, p, re, im);
        }
    }
    used = tokens.Used();
    return true;
}

std::size_t SkipRawText(std::string_view text)
{
    std::size_t at = 0;
    while ((at = text.find('\n', at)) != std::string_view::npos) {
        ++at;
        if (at < text.size() && IsLetter(text[at]))
            return at;
    }
    return text.size();
}

std::size_t CountRawLines(std::string_view text)
{
    return std::size_t(std::count(text.begin(), text.end(), '\n'));
}
