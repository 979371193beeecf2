#include "data/DocumentSection.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"

namespace
{

constexpr std::string_view SectionStart = "[Scolivet]";
constexpr std::string_view SectionEnd = "[Scolivet End]";

} // namespace

void WriteSection(DocumentWriter &out, const std::vector<TSectionEntry> &entries)
{
    if (entries.empty())
        return;
    out.WriteLine(SectionStart);
    for (const TSectionEntry &e : entries)
        out.WriteEntry(e.Key, e.Value);
    out.WriteLine(SectionEnd);
}

void ReadSection(DocumentReader &in,
                 const std::function<void(std::string_view key, std::string_view value)> &take)
{
    if (in.AtEnd() || in.NextLine() != SectionStart)
        return;
    for (std::string_view line = in.NextLine(); line != SectionEnd; line = in.NextLine()) {
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos)
            take(line.substr(0, equals), line.substr(equals + 1));
    }
}
