#pragma once
// A bus series: one 32-bit word per sample, -1 for a void word. Its range
// starts valid at 0..0 and only its maximum grows.
#include "data/TData.h"
#include <vector>

// Hexadecimal digits accumulated in unsigned 32-bit arithmetic (wrapping),
// other characters skipped; the result is read as signed.
std::int32_t HexToInt(std::string_view s);
std::int32_t HexToInt(const QString &s);
// The word of a bus cell: a quoted hexadecimal word, or -1 for "<VOID>" in quotes.
std::int32_t BusCellWord(std::string_view cell);

class TDataBus : public TData
{
public:
    static constexpr std::int32_t VoidWord = -1;

    TDataBus();

    std::vector<std::int32_t> Words;

    void Assign(const TData &from) override;
    void SetCount(int n) override;
    // Stores BusCellWord(cell).
    bool SetValueBytes(int i, std::string_view cell) override;
    double GetValue(int i) const override { return Words[std::size_t(i)]; }

    void SetWord(int i, std::int32_t w)
    {
        Words[std::size_t(i)] = w;
        UpdateMax(w);
    }
protected:
    void SaveOwnLines(DocumentWriter &out) const override;
    void LoadOwnLines(DocumentReader &in, int count) override;
};
