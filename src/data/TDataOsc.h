#pragma once
// An oscilloscope waveform: raw instrument codes scaled by the channel's
// preamble. Code 0 marks a missing sample, outside the range.
#include "data/TData.h"
#include <vector>

class TDataOsc : public TData
{
public:
    TDataOsc();

    std::vector<std::int32_t> Samples;
    QString WaveformId;
    double YMult = 0.0;  // value units per code step
    double YZero = 0.0;  // value at the reference code
    double YOff = 0.0;   // the reference code
    // '1'..'4', 'M' (math), 'A' or 'B' (references); a document may hold any.
    char32_t Channel = 0;

    void Assign(const TData &from) override;
    void SetCount(int n) override;
    // The cell is a decimal value, turned into the nearest code.
    bool SetValueBytes(int i, std::string_view cell) override;
    double GetValue(int i) const override { return ValueOf(Samples[std::size_t(i)]); }

    void SetRaw(int i, std::int32_t code);
    std::int32_t GetRaw(int i) const { return Samples[std::size_t(i)]; }
protected:
    void SaveOwnLines(DocumentWriter &out) const override;
    void LoadOwnLines(DocumentReader &in, int count) override;

private:
    double ValueOf(std::int32_t code) const { return (code - YOff) * YMult + YZero; }
};
