#include "scope/ReplyParser.h"
#include <algorithm>

namespace
{

QString Malformed()
{
    return QStringLiteral("La courbe envoyée par l'oscilloscope est mal formée.");
}

bool IsDigit(std::uint8_t c)
{
    return c >= '0' && c <= '9';
}

} // namespace

void TReplyParser::Reset()
{
    m_state = State::Text;
    m_failure.clear();
    m_text.clear();
    m_unended = 0;
    m_have = 0;
    m_points = 0;
}

void TReplyParser::Fail(const QString &reason)
{
    m_failure = reason;
    m_text.clear();
    m_unended = 0;
    Enter(State::Failed);
}

void TReplyParser::Feed(std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty() && m_state != State::Failed) {
        const bool text = m_state == State::Text || m_state == State::BlockDone;
        bytes = bytes.subspan(text ? FeedText(bytes) : FeedBlock(bytes));
    }
}

std::size_t TReplyParser::FeedText(std::span<const std::uint8_t> bytes)
{
    m_text.append(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    // Whole lines may arrive together; only the one still open is limited.
    const auto lastEnd = std::find(bytes.rbegin(), bytes.rend(), std::uint8_t('\r'));
    m_unended = lastEnd == bytes.rend() ? m_unended + bytes.size()
                                        : std::size_t(lastEnd - bytes.rbegin());
    if (m_unended > MaxText)
        Fail(QStringLiteral("La réponse de l'oscilloscope ne se termine pas."));
    else if (m_text.size() > MaxWaiting)
        Fail(QStringLiteral("L'oscilloscope envoie des réponses qui n'ont pas été demandées."));
    return bytes.size();
}

std::size_t TReplyParser::FeedBlock(std::span<const std::uint8_t> bytes)
{
    const std::uint8_t c = bytes.front();
    switch (m_state) {
    case State::BlockMark:
        if (c == '#')
            Enter(State::BlockDigits);
        else
            Fail(Malformed());
        return 1;
    case State::BlockDigits:
        m_digits = c - '0';
        m_count = 0;
        if (IsDigit(c) && m_digits > 0)
            Enter(State::BlockCount);
        else
            Fail(Malformed());
        return 1;
    case State::BlockCount:
        TakeCountDigit(c);
        return 1;
    case State::BlockData: {
        const std::size_t n = std::min(bytes.size(), m_points - m_have);
        std::copy_n(bytes.begin(), n, m_block.begin() + std::ptrdiff_t(m_have));
        m_have += n;
        if (m_have == m_points)
            Enter(State::BlockEnd);
        return n;
    }
    case State::BlockEnd:
        Enter(State::BlockDone);
        return 1;
    default:
        return bytes.size();
    }
}

void TReplyParser::TakeCountDigit(std::uint8_t c)
{
    if (!IsDigit(c)) {
        Fail(Malformed());
        return;
    }
    m_count = m_count * 10 + (c - '0');
    if (m_count > TChannelData::MaxPoints) {
        Fail(QStringLiteral("La courbe envoyée par l'oscilloscope dépasse %1 points.")
                 .arg(TChannelData::MaxPoints));
        return;
    }
    if (--m_digits > 0)
        return;
    if (std::size_t(m_count) != m_points)
        Fail(Malformed());
    else
        Enter(m_points == 0 ? State::BlockEnd : State::BlockData);
}

std::optional<std::string> TReplyParser::TakeLine()
{
    const std::size_t end = m_text.find('\r');
    if (end == std::string::npos)
        return std::nullopt;
    std::string line = m_text.substr(0, end);
    m_text.erase(0, end + 1);
    return line;
}

void TReplyParser::ExpectBlock(int points)
{
    if (m_state == State::Failed)
        return;
    m_text.clear();
    m_unended = 0;
    m_have = 0;
    m_points = std::size_t(std::clamp(points, 0, TChannelData::MaxPoints));
    Enter(State::BlockMark);
}

void TReplyParser::EndBlock()
{
    m_have = 0;
    if (m_state != State::Failed)
        Enter(State::Text);
}
