#pragma once
// The page's series collection. It owns its series; curves and legends refer
// to them by index. In a collection built by an import, series 0 holds the X
// values.
#include "data/TColor.h"
#include "data/TSeriesSet.h"
#include <QString>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

class DocumentReader;
class DocumentWriter;
class TData;
enum TDataKind : std::uint8_t;
struct TChannelData;

class TDatas
{
public:
    TDatas();
    ~TDatas();
    TDatas(TDatas &&) noexcept;
    TDatas &operator=(TDatas &&) noexcept;
    TDatas(const TDatas &) = delete;
    TDatas &operator=(const TDatas &) = delete;

    // An entry may be empty (null) only while a collection is being filled.
    std::vector<std::unique_ptr<TData>> Items;

    int Count() const { return int(Items.size()); }
    // The series at index i, or null when i is outside the collection.
    TData *Item(int i) const;

    // Frees the series beyond n; new entries are empty.
    void SetCount(int n);
    // The kind and sample count of each series.
    using TShape = std::vector<std::pair<TDataKind, int>>;
    TShape Shape() const;
    // Series of that shape, every sample zero: room for a copy, which the
    // thread that makes it pays for, its memory being touched here.
    static TDatas OfShape(const TShape &shape);
    // Copies every series of from into these, of the same shape, without
    // allocating; false, and nothing copied, when the shapes differ.
    bool CopyFrom(const TDatas &from);
    void Clear() { SetCount(0); }
    void Add(std::unique_ptr<TData> s);
    void AddChannel(const TChannelData &rec, TColor color, char channel);

    // Replaces the series by those of a simulator graph export. On false the
    // collection is empty and why, when given, holds the French reason with
    // the line at fault.
    bool LoadFromIsisFile(const QString &fileName, QString *why = nullptr);
    // The same from the file's bytes.
    bool LoadFromIsisText(std::string_view text, QString *why = nullptr);

    // The series section of a document: "[Datas]", "Nb series=" and the
    // count, each series as its kind keyword ("Analog", "Logic", "Bus",
    // "Osc") and its lines, "[Datas End]".
    void SaveToStrings(DocumentWriter &out) const;
    // Replaces the series by those of the section. An unknown kind keyword
    // stops the reading; the collection is then left part filled.
    void LoadFromStrings(DocumentReader &in);

    // {1 .. Count-1}, indexes above 255 left out.
    TSeriesSet AllButFirst() const;
    // The largest Max / smallest Min over the member series; 0.0 with none.
    double MaxOf(const TSeriesSet &set) const;
    double MinOf(const TSeriesSet &set) const;
};

// Stops the reading of a document, at the line just read, when the index
// designates no series of the collection.
void RequireSeries(const DocumentReader &in, const TDatas *datas, int index);
