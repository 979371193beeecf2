#pragma once
// The text parts of a SPICE raw file: each plot starts with a header of
// "Key: value" lines (title, plot name, flags, counts, the variables, one
// per line after "Variables:"), ended by "Binary:" or "Values:" and the
// plot's values. Headers are 8-bit text, or UTF-16LE as some simulators
// write them; the values that follow "Values:" are then UTF-16LE too.
#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Whether a file's first bytes open a raw file's first header.
bool LooksLikeSpiceRaw(std::string_view head);

struct TRawVariable {
    QString Name;
    QString Type; // "time", "voltage", "current", "frequency", "notype", ...
};

struct TRawHeader {
    QString Title;
    QString Plotname;
    bool Wide = false;       // UTF-16LE text
    bool Binary = false;     // values after "Binary:", otherwise text after "Values:"
    bool Complex = false;    // every value a real and an imaginary part
    bool Double = false;     // every real value on 8 bytes in a wide file
    bool Stepped = false;    // several runs one after the other
    bool FastAccess = false; // binary values vector by vector instead of point by point
    std::uint64_t Points = 0; // 0 in a binary header: as many as the block holds
    std::vector<TRawVariable> Variables;
    std::size_t Lines = 0;   // lines of the header, the "Binary:" or "Values:" one included
    std::size_t Length = 0;  // bytes from the header's start to its values
};

// The outcome of looking for a header at the start of some bytes.
struct THeaderScan {
    std::optional<TRawHeader> Header;
    // Whether more bytes could complete a header that has not ended yet.
    bool NeedsMore = false;
    // Why the bytes hold no header (when neither of the above), and on which
    // of its lines, from 1.
    QString Fault;
    std::size_t FaultLine = 0;
};

// Reads the header at the start of bytes.
THeaderScan ScanRawHeader(std::string_view bytes);

// The unit a variable type gives its values: "s", "V", "A", "Hz" or none.
QString UnitOfRawType(const QString &type);
