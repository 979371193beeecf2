#pragma once
// An analog series: one double per sample.
#include "data/TData.h"
#include <vector>

class TDataAnalog : public TData
{
public:
    TDataAnalog();

    std::vector<double> Values;

    void Assign(const TData &from) override;
    void SetCount(int n) override;
    bool SetValueBytes(int i, std::string_view cell) override;
    double GetValue(int i) const override { return Values[std::size_t(i)]; }

    void SetValue(int i, double v)
    {
        Values[std::size_t(i)] = v;
        UpdateMin(v);
        UpdateMax(v);
    }
protected:
    void SaveOwnLines(DocumentWriter &out) const override;
    void LoadOwnLines(DocumentReader &in, int count) override;
};
