#include "scope/ReplyParser.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

void Feed(TReplyParser &parser, const std::string &bytes)
{
    parser.Feed(std::span(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()));
}

std::string Repeated(const std::string &part, std::size_t times)
{
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out += part;
    return out;
}

std::vector<std::string> Lines(TReplyParser &parser)
{
    std::vector<std::string> lines;
    while (auto line = parser.TakeLine())
        lines.push_back(*line);
    return lines;
}

} // namespace

TEST(ReplyParser, LinesAreReassembledAcrossFeedsAndSplitWithinOne)
{
    TReplyParser parser;
    Feed(parser, "ID TEK/T");
    EXPECT_FALSE(parser.TakeLine());
    Feed(parser, "DS 210\r1");
    Feed(parser, "\rYT\r");
    EXPECT_EQ(Lines(parser), (std::vector<std::string>{"ID TEK/TDS 210", "1", "YT"}));
    EXPECT_FALSE(parser.HasText());
}

TEST(ReplyParser, BlockHoldsEveryByteValueWhateverTheFeedSizes)
{
    std::string data;
    for (int i = 0; i < 2500; ++i)
        data += char(i % 256);
    const std::string reply = "#42500" + data + "\rnext\r";
    for (std::size_t piece : {reply.size(), std::size_t(1), std::size_t(7)}) {
        TReplyParser parser;
        parser.ExpectBlock(2500);
        for (std::size_t at = 0; at < reply.size(); at += piece)
            Feed(parser, reply.substr(at, piece));
        ASSERT_EQ(parser.GetState(), TReplyParser::State::BlockDone) << piece;
        EXPECT_EQ(std::string(parser.Block().begin(), parser.Block().end()), data);
        parser.EndBlock();
        EXPECT_EQ(Lines(parser), std::vector<std::string>{"next"});
    }
}

TEST(ReplyParser, InputThatCannotBeAReplyFailsWithAReason)
{
    struct Case {
        int points; // -1: a text reply
        std::string bytes;
        const char *reason;
    };
    const Case cases[] = {
        {-1, std::string(TReplyParser::MaxText + 1, 'x'), "ne se termine pas"},
        {-1, Repeated(std::string(99, 'x') + '\r', TReplyParser::MaxWaiting / 100 + 1),
         "pas été demandées"},
        {3, "X13abc\r", "mal formée"},
        {3, "#1Aabc\r", "mal formée"},
        {3, "#12ab\r", "mal formée"},
        {2500, "#45000", "dépasse 2500 points"},
        {2500, "#9999999999", "dépasse 2500 points"},
    };
    for (const Case &c : cases) {
        TReplyParser parser;
        if (c.points >= 0)
            parser.ExpectBlock(c.points);
        Feed(parser, c.bytes);
        EXPECT_EQ(parser.GetState(), TReplyParser::State::Failed) << c.bytes.substr(0, 12);
        EXPECT_TRUE(parser.Failure().contains(QString::fromUtf8(c.reason))) << c.bytes.substr(0, 12);
        Feed(parser, "1\r");
        EXPECT_FALSE(parser.TakeLine());
    }
}
