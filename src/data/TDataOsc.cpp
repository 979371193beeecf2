#include "data/TDataOsc.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "data/DecimalText.h"
#include "data/HugePages.h"
#include <QList>
#include <cmath>
#include <limits>

TDataOsc::TDataOsc() : TData(dkOsc, false, 0.0, 0.0) {}

void TDataOsc::SetCount(int n)
{
    ResizeSamples(Samples, n);
    FCount = int(Samples.size());
}

void TDataOsc::SetRaw(int i, std::int32_t code)
{
    Samples[std::size_t(i)] = code;
    if (code != 0) {
        const double v = ValueOf(code);
        UpdateMin(v);
        UpdateMax(v);
    }
}

bool TDataOsc::SetValueBytes(int i, std::string_view cell)
{
    double v = 0.0;
    if (!ParseDecimal(cell, v))
        return false;
    // Nearest code, halves to even; a value with no code (zero step, or
    // beyond 32 bits) does not convert.
    const double code = std::nearbyint((v - YZero) / YMult + YOff);
    if (!(code >= std::numeric_limits<std::int32_t>::min() &&
          code <= std::numeric_limits<std::int32_t>::max()))
        return false;
    Samples[std::size_t(i)] = std::int32_t(code);
    if (code != 0) {
        // The range takes the value itself, not the one its code stands for.
        UpdateMin(v);
        UpdateMax(v);
    }
    return true;
}

// The channel's fields, then the raw codes.
void TDataOsc::SaveOwnLines(DocumentWriter &out) const
{
    out.WriteText(Channel ? QString::fromUcs4(&Channel, 1) : QString());
    out.WriteText(WaveformId);
    out.WriteReal(YMult);
    out.WriteReal(YOff);
    out.WriteReal(YZero);
    for (std::int32_t code : Samples)
        out.WriteInt(code);
}

void TDataOsc::LoadOwnLines(DocumentReader &in, int count)
{
    // The first character in the document's encoding, not its first byte.
    Channel = in.ReadText().left(2).toUcs4().value(0);
    WaveformId = in.ReadText();
    YMult = in.ReadReal();
    YOff = in.ReadReal();
    YZero = in.ReadReal();
    SetCount(count);
    for (int i = 0; i < count; ++i)
        SetRaw(i, in.ReadInt());
}

void TDataOsc::Assign(const TData &from)
{
    const auto &source = static_cast<const TDataOsc &>(from);
    AssignHeader(source);
    Samples = source.Samples;
    WaveformId = source.WaveformId;
    YMult = source.YMult;
    YZero = source.YZero;
    YOff = source.YOff;
    Channel = source.Channel;
}
