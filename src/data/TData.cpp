#include "data/TData.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "data/EConvertError.h"

TData::TData(TDataKind kind, bool rangeValid, double min, double max)
    : Kind(kind), Min(min), Max(max), FRangeValid(rangeValid)
{
}

void TData::SetValueText(int i, const QString &text)
{
    // Characters beyond 8 bits cannot belong to a number, a state name or a
    // hexadecimal word; they become '?', which none of those accept.
    const QByteArray bytes = text.toLatin1();
    if (!SetValueBytes(i, std::string_view(bytes.constData(), std::size_t(bytes.size()))))
        throw EConvertError::InvalidFloat(text);
}

void TData::AssignHeader(const TData &from)
{
    Name = from.Name;
    Unit = from.Unit;
    Color = from.Color;
    Min = from.Min;
    Max = from.Max;
    FRangeValid = from.FRangeValid;
}

void TData::SetRangeValid(bool b)
{
    FRangeValid = b;
    if (!b) {
        Min = 0.0;
        Max = 0.0;
    }
}

void TData::SaveToStrings(DocumentWriter &out) const
{
    out.WriteText(Name);
    out.WriteText(Unit);
    out.WriteColor(Color);
    out.WriteInt(Count());
    SaveOwnLines(out);
}

void TData::LoadFromStrings(DocumentReader &in)
{
    Name = in.ReadText();
    Unit = in.ReadText();
    Color = in.ReadColor();
    LoadOwnLines(in, in.ReadCount());
}
