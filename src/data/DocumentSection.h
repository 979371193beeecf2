#pragma once
// The section a document may carry after its last line, "[Axes End]", for
// what its lines cannot hold: one "key=value" per line between "[Scolivet]"
// and "[Scolivet End]", numbers in the general format of reals. Readers that
// stop at "[Axes End]" never see it; documents without it are read as they
// always were.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class DocumentReader;
class DocumentWriter;

struct TSectionEntry {
    std::string Key;
    double Value;
    bool operator==(const TSectionEntry &) const = default;
};

// Nothing at all when there are no entries.
void WriteSection(DocumentWriter &out, const std::vector<TSectionEntry> &entries);

// Hands each "key=value" line of the section that follows, in order, to
// take, with the reader on that line (for its conversions and failures).
// Without the section, or past the document's end, takes nothing. Lines
// without "=" are skipped; a section without its end marker is truncated.
void ReadSection(DocumentReader &in,
                 const std::function<void(std::string_view key, std::string_view value)> &take);
