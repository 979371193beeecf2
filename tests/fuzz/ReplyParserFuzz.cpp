#include "fuzz/FuzzTargets.h"
#include "data/TChannelData.h"
#include "scope/ReplyFields.h"
#include "scope/ReplyParser.h"
#include <algorithm>
#include <vector>

namespace
{

struct Outcome {
    std::vector<std::string> Lines;
    TReplyParser::State State;
    QString Failure;
    std::vector<std::uint8_t> Block;
    bool operator==(const Outcome &) const = default;
};

// Feeds the reply in pieces of `piece` bytes (0: all at once), taking lines
// as they come, as the link does.
Outcome Receive(std::span<const std::uint8_t> reply, int points, std::size_t piece)
{
    TReplyParser parser;
    if (points >= 0)
        parser.ExpectBlock(points);
    Outcome out;
    while (!reply.empty()) {
        const std::size_t n = piece == 0 ? reply.size() : std::min(piece, reply.size());
        parser.Feed(reply.first(n));
        reply = reply.subspan(n);
        if (points < 0)
            while (std::optional<std::string> line = parser.TakeLine())
                out.Lines.push_back(std::move(*line));
    }
    out.State = parser.GetState();
    out.Failure = parser.Failure();
    out.Block.assign(parser.Block().begin(), parser.Block().end());
    return out;
}

// A reply line through every field reader: a French refusal or a result
// within bounds, never anything else.
std::string FieldsFault(const std::string &line)
{
    const QString reply = QString::fromLatin1(line.data(), qsizetype(line.size()));
    try {
        TIdentity identity;
        ParseIdentity(reply, identity);
    } catch (const ETDSError &) {
    }
    try {
        TChannelData channel, timeBase;
        ReadPreamble(reply, 1.0, channel, timeBase);
        if (channel.NrPt < 0 || channel.NrPt > TChannelData::MaxPoints)
            return "a preamble gives a point count out of bounds";
    } catch (const ETDSError &e) {
        if (e.Message().isEmpty())
            return "a refused preamble gives no reason";
    }
    try {
        ReplyInteger(reply);
    } catch (const ETDSError &) {
    }
    return {};
}

} // namespace

std::string ReplyParserFuzz(std::string_view bytes)
{
    if (bytes.size() < 2)
        return {};
    // First byte odd: a text reply. Otherwise a curve of as many points as
    // the first two bytes say.
    const auto head = static_cast<std::uint8_t>(bytes[0]);
    const int points = head % 2 ? -1 : (head << 8 | static_cast<std::uint8_t>(bytes[1])) % 3000;
    const auto reply = std::span(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size())
                           .subspan(2);
    const Outcome whole = Receive(reply, points, 0);
    // Byte by byte costs a search of the waiting text per byte: short replies only.
    const std::size_t small = reply.size() <= 256 ? 1 : 5;
    if (Receive(reply, points, small) != whole || Receive(reply, points, 61) != whole)
        return "the reply taken apart depends on how its bytes arrive";
    if (whole.State == TReplyParser::State::Failed && whole.Failure.isEmpty())
        return "a failure gives no reason";
    if (whole.Block.size() > std::size_t(std::clamp(points, 0, TChannelData::MaxPoints)))
        return "a curve holds more bytes than it announced";
    for (const std::string &line : whole.Lines)
        if (std::string fault = FieldsFault(line); !fault.empty())
            return fault;
    return {};
}
