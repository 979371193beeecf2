#pragma once
// Reading a SPICE raw file into series: one plot of the file (a transient,
// DC or AC analysis, ...), its abscissa as series 0 and one series per
// vector; a complex vector gives two, its gain in dB and its phase in
// degrees. A stepped plot gives one series per vector and run, "pas 1",
// "pas 2", ... The variable types give the units.
#include "data/PartChooser.h"
#include <QString>
#include <string_view>
#include <vector>

class TByteSource;
class TDatas;

// The two series of one complex vector, by index in the collection.
struct TGainPhase {
    int Gain;
    int Phase;
    bool operator==(const TGainPhase &) const = default;
};

// What the reading knows beyond the series.
struct TSpiceRawInfo {
    QString Plotname;
    bool Ac = false; // complex values against frequency
    std::vector<TGainPhase> GainPhase;
};

// Replaces the series by one plot of the raw file. The chooser is given the
// plots as "Transient Analysis : 229 points, 4 variables". With one plot, or
// without a chooser, the proposed plot is read: the transient analysis when there is
// one, else the first. On false the collection is empty and why holds the
// French reason with the line (text) or byte offset (binary) at fault; it is
// empty when the chooser cancelled.
bool LoadSpiceRaw(TByteSource &source, TDatas &datas, QString *why,
                  TSpiceRawInfo *info = nullptr, const TPartChooser &choose = {});
bool LoadSpiceRaw(std::string_view bytes, TDatas &datas, QString *why,
                  TSpiceRawInfo *info = nullptr, const TPartChooser &choose = {});
bool LoadSpiceRawFile(const QString &fileName, TDatas &datas, QString *why,
                      TSpiceRawInfo *info = nullptr, const TPartChooser &choose = {});
