#include "data/TDataBus.h"
#include "data/HugePages.h"
#include "data/QuotedCell.h"

namespace
{

// The value of a hexadecimal digit, or -1 for any other character.
int HexDigit(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::int32_t HexToInt(std::string_view s)
{
    std::uint32_t total = 0;
    for (char c : s) {
        const int d = HexDigit(char16_t(static_cast<unsigned char>(c)));
        if (d >= 0)
            total = total * 16u + std::uint32_t(d);
    }
    return std::int32_t(total);
}

std::int32_t HexToInt(const QString &s)
{
    std::uint32_t total = 0;
    for (QChar c : s) {
        const int d = HexDigit(c.unicode());
        if (d >= 0)
            total = total * 16u + std::uint32_t(d);
    }
    return std::int32_t(total);
}

TDataBus::TDataBus() : TData(dkBus, true, 0.0, 0.0) {}

void TDataBus::SetCount(int n)
{
    ResizeSamples(Words, n);
    FCount = int(Words.size());
}

bool TDataBus::SetValueBytes(int i, std::string_view cell)
{
    const std::string_view inner = QuotedCellInner(cell);
    SetWord(i, inner == "<VOID>" ? VoidWord : HexToInt(inner));
    return true;
}
