#include "data/TDataBus.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "data/HugePages.h"
#include "data/QuotedCell.h"

namespace
{

// The total after one more character: a hexadecimal digit is appended
// (unsigned 32-bit arithmetic wraps), anything else leaves it unchanged.
std::uint32_t WithHexDigit(std::uint32_t total, char16_t c)
{
    if (c >= '0' && c <= '9')
        return total * 16u + (c - '0');
    if (c >= 'A' && c <= 'F')
        return total * 16u + (c - 'A' + 10u);
    if (c >= 'a' && c <= 'f')
        return total * 16u + (c - 'a' + 10u);
    return total;
}

} // namespace

std::int32_t HexToInt(std::string_view s)
{
    std::uint32_t total = 0;
    for (char c : s)
        total = WithHexDigit(total, static_cast<unsigned char>(c));
    return std::int32_t(total);
}

std::int32_t HexToInt(const QString &s)
{
    std::uint32_t total = 0;
    for (QChar c : s)
        total = WithHexDigit(total, c.unicode());
    return std::int32_t(total);
}

std::int32_t BusCellWord(std::string_view cell)
{
    const std::string_view inner = QuotedCellInner(cell);
    return inner == "<VOID>" ? TDataBus::VoidWord : HexToInt(inner);
}

TDataBus::TDataBus() : TData(dkBus, true, 0.0, 0.0) {}

void TDataBus::SetCount(int n)
{
    ResizeSamples(Words, n);
    FCount = int(Words.size());
}

bool TDataBus::SetValueBytes(int i, std::string_view cell)
{
    SetWord(i, BusCellWord(cell));
    return true;
}

void TDataBus::SaveOwnLines(DocumentWriter &out) const
{
    for (std::int32_t w : Words)
        out.WriteInt(w);
}

void TDataBus::LoadOwnLines(DocumentReader &in, int count)
{
    SetCount(count);
    for (int i = 0; i < count; ++i)
        SetWord(i, in.ReadInt());
}

void TDataBus::Assign(const TData &from)
{
    const auto &source = static_cast<const TDataBus &>(from);
    AssignHeader(source);
    Words = source.Words;
}
