#pragma once
// What the oscilloscope sends back, taken apart as it arrives. A text reply
// is a line ended by CR. A curve reply is a definite-length binary block:
// '#', one digit D, D digits of byte count, the data bytes, one terminator
// byte. Every received byte goes through Feed; whatever arrives, the buffers
// stay bounded, and input that cannot be a reply gives the Failed state with
// a French reason.
#include "data/TChannelData.h"
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

class TReplyParser
{
public:
    enum class State { Text, BlockMark, BlockDigits, BlockCount, BlockData, BlockEnd, BlockDone, Failed };
    // Most text kept waiting for its line end.
    static constexpr std::size_t MaxText = 3000;
    // Most text kept, whole lines not yet taken included.
    static constexpr std::size_t MaxWaiting = 16 * MaxText;

    void Feed(std::span<const std::uint8_t> bytes);

    // The next whole line without its CR, once one has arrived.
    std::optional<std::string> TakeLine();
    // Whether text is waiting, a whole line or part of one.
    bool HasText() const { return !m_text.empty(); }

    // Drops waiting text; the next bytes are a block of `points` data bytes
    // (at most TChannelData::MaxPoints).
    void ExpectBlock(int points);
    // The block's data, complete once the state is BlockDone.
    std::span<const std::uint8_t> Block() const { return {m_block.data(), m_have}; }
    // Back to text; bytes that followed the block are kept as text.
    void EndBlock();

    State GetState() const { return m_state; }
    const QString &Failure() const { return m_failure; }
    // Forgets everything: no text, no block, state Text.
    void Reset();

private:
    void Enter(State state) { m_state = state; }
    void Fail(const QString &reason);
    std::size_t FeedText(std::span<const std::uint8_t> bytes);
    std::size_t FeedBlock(std::span<const std::uint8_t> bytes);
    void TakeCountDigit(std::uint8_t c);

    State m_state = State::Text;
    QString m_failure;
    std::string m_text;
    std::size_t m_unended = 0; // bytes of m_text after its last CR
    std::array<std::uint8_t, TChannelData::MaxPoints> m_block{};
    std::size_t m_have = 0;   // data bytes of the block received
    std::size_t m_points = 0; // data bytes the block must hold
    int m_digits = 0;         // count digits still to come
    long m_count = 0;         // byte count the block announces
};
