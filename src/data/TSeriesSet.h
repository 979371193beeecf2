#pragma once
// A set of series indexes 0..255; larger or negative indexes are never members.
#include <bitset>
#include <initializer_list>
#include <vector>

class TSeriesSet
{
public:
    static constexpr int Capacity = 256;

    TSeriesSet() = default;
    TSeriesSet(std::initializer_list<int> members)
    {
        for (int i : members)
            Include(i);
    }

    static bool InRange(int i) { return i >= 0 && i < Capacity; }

    bool Contains(int i) const { return InRange(i) && FBits.test(std::size_t(i)); }
    void Include(int i)
    {
        if (InRange(i))
            FBits.set(std::size_t(i));
    }
    void Exclude(int i)
    {
        if (InRange(i))
            FBits.reset(std::size_t(i));
    }
    bool Empty() const { return FBits.none(); }
    int Size() const { return int(FBits.count()); }
    // The members in increasing order.
    std::vector<int> Members() const
    {
        std::vector<int> out;
        for (int i = 0; i < Capacity; ++i)
            if (FBits.test(std::size_t(i)))
                out.push_back(i);
        return out;
    }

    friend TSeriesSet operator+(TSeriesSet a, const TSeriesSet &b)
    {
        a.FBits |= b.FBits;
        return a;
    }
    friend TSeriesSet operator-(TSeriesSet a, const TSeriesSet &b)
    {
        a.FBits &= ~b.FBits;
        return a;
    }
    friend TSeriesSet operator*(TSeriesSet a, const TSeriesSet &b)
    {
        a.FBits &= b.FBits;
        return a;
    }
    friend bool operator==(const TSeriesSet &a, const TSeriesSet &b) = default;

private:
    std::bitset<Capacity> FBits;
};
