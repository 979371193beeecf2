#pragma once
// The abstract series: a name, a colour, a unit, a sample count and the range
// of the values stored so far. The concrete kinds own the samples.
#include "data/TColor.h"
#include <QString>
#include <cmath>
#include <cstdint>
#include <string_view>

// Curves branch on these values, so the numbering is fixed.
enum TDataKind : std::uint8_t { dkAnalog = 0, dkLogic = 1, dkBus = 2, dkOsc = 3 };

class DocumentReader;
class DocumentWriter;

class TData
{
public:
    virtual ~TData() = default;
    TData(const TData &) = delete;
    TData &operator=(const TData &) = delete;
    // Takes the fields and samples of from, a series of the same kind and
    // count, into the memory this one already holds.
    virtual void Assign(const TData &from) = 0;

    QString Name;
    TDataKind Kind;
    QString Unit; // "Undefine": unknown unit, graphs show no scale label
    TColor Color = clBlack;
    double Min = 0.0;
    double Max = 0.0;

    int Count() const { return FCount; }
    bool RangeValid() const { return FRangeValid; }

    // Resizes the samples; new ones are zero and the range is untouched.
    virtual void SetCount(int n) = 0;
    // Stores one cell of a simulator export; throws EConvertError when the
    // text does not convert. Requires 0 <= i < Count().
    void SetValueText(int i, const QString &text);
    // The same from the raw 8-bit cell; false when it does not convert.
    virtual bool SetValueBytes(int i, std::string_view cell) = 0;
    virtual double GetValue(int i) const = 0;

    // Document lines after the kind keyword: name, unit, colour, count, then
    // the kind's own lines. Reading stores every sample through the kind's
    // setter, so the range comes back as an import gives it.
    void SaveToStrings(DocumentWriter &out) const;
    void LoadFromStrings(DocumentReader &in);

    void SetName(const QString &s) { Name = s; }
    void SetKind(TDataKind k) { Kind = k; }
    void SetRangeValid(bool b);

    // A value that is not finite (a gap, stored as NaN) takes no part in
    // the range.
    void UpdateMin(double v)
    {
        if (!std::isfinite(v))
            return;
        if (!FRangeValid)
            StartRange(v);
        else if (v < Min)
            Min = v;
    }
    void UpdateMax(double v)
    {
        if (!std::isfinite(v))
            return;
        if (!FRangeValid)
            StartRange(v);
        else if (v > Max)
            Max = v;
    }

protected:
    TData(TDataKind kind, bool rangeValid, double min, double max);
    // Name, unit, colour and range.
    void AssignHeader(const TData &from);
    // The kind's lines after the count: its fields, then one line per sample.
    virtual void SaveOwnLines(DocumentWriter &out) const = 0;
    virtual void LoadOwnLines(DocumentReader &in, int count) = 0;
    int FCount = 0;

private:
    void StartRange(double v)
    {
        Min = v;
        Max = v;
        FRangeValid = true;
    }
    bool FRangeValid;
};
