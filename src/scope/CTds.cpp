#include "scope/CTds.h"
#include "scope/ReplyFields.h"
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace
{

// Thrown by the waits and the sending once the user cancelled.
struct TCancelled {
};

const QString lineBreak = QStringLiteral("\n\r");

QString CheckSettingsLines()
{
    return QStringLiteral("Vérifier la configuratin de l'oscilloscope :") + lineBreak +
           QStringLiteral("  - menu : \"UTILITY\", \"Options\", \"Configuration RS-232\"") +
           lineBreak + QStringLiteral("  - choisir \"Régler sur défaut\"") + lineBreak +
           QStringLiteral("  - puis \"Contrôle\" \"Aucun\"");
}

QString NoReplyText(const QString &port)
{
    return QStringLiteral("L'oscilloscope ne répond pas.") + lineBreak +
           QStringLiteral("Vérifier que :") + lineBreak +
           QStringLiteral("  - l'oscilloscope est sous tension") + lineBreak +
           QStringLiteral("  - qu'il est relié au PC sur la liaison série ") + port + lineBreak +
           lineBreak + CheckSettingsLines();
}

const QString errorCaption = QStringLiteral("Erreur");

struct SourceRow {
    const char *command;
    TChannelData TTDS::*record;
    const char *name;       // null: the math definition names it
    bool fourChannelsOnly;
};

const SourceRow sourceRows[] = {
    {"DAT:SOU CH1", &TTDS::Ch1, "CH1", false},   {"DAT:SOU CH2", &TTDS::Ch2, "CH2", false},
    {"DAT:SOU MATH", &TTDS::MathWave, nullptr, false}, {"DAT:SOU REFA", &TTDS::RefA, "RefA", false},
    {"DAT:SOU REFB", &TTDS::RefB, "RefB", false}, {"DAT:SOU CH3", &TTDS::Ch3, "CH3", true},
    {"DAT:SOU CH4", &TTDS::Ch4, "CH4", true},
};

// Runs one exchange; a cancel gives false with no failure, an unusable
// reply or a port error false with the reason.
template <typename Step> bool Guarded(TTDSFailure &failure, Step step)
{
    try {
        return step();
    } catch (const TCancelled &) {
    } catch (const ETDSError &e) {
        failure = {TTDSFailure::Box::Error, {}, e.Message()};
    } catch (const EComPort &e) {
        failure = {TTDSFailure::Box::Error, {}, e.Message()};
    }
    return false;
}

} // namespace

TTDS::TTDS(QObject *parent, TTDSTimeouts timeouts) : QObject(parent), m_timeouts(timeouts)
{
    m_clock.start();
    connect(&m_port, &TComPort::OnRxChar, this, &TTDS::Received);
    connect(&m_port, &TComPort::OnLineLost, this, &TTDS::Wake);
}

TTDS::~TTDS()
{
    Cancel();
}

int TTDS::ChannelCount() const
{
    return Model == QLatin1String("TDS 224") ? 4 : 2;
}

void TTDS::Cancel()
{
    Cancelled = true;
    Wake();
}

void TTDS::Wake()
{
    if (m_loop)
        m_loop->quit();
}

bool TTDS::Connect()
{
    m_parser.Reset();
    Cancelled = false;
    Progress = 0;
    ProgressMax = 0;
    Failure = {};
    try {
        m_port.Open();
    } catch (const EComPort &) {
        Failure = {TTDSFailure::Box::Plain, {},
                   QStringLiteral("Impossible d'ouvrir le port Série : ") + GetPort() + lineBreak +
                       QStringLiteral("Relancer l'application")};
        return false;
    }
    return Guarded(Failure, [this] {
        Configure();
        return Identify();
    });
}

void TTDS::Configure()
{
    for (const char *cmd : {"RS232:TRAN:TERM CR", "HEAD OFF", "DAT:ENC RPB", "DAT:WID 1",
                            "DAT:STAR 1", "DAT:STOP 2500"})
        SendCommand(QString::fromLatin1(cmd));
}

bool TTDS::Identify()
{
    SendCommand(QStringLiteral("ID?"));
    if (!WaitFor([this] { return m_parser.HasText(); }, m_timeouts.IdentifyMs, false)) {
        Failure = {TTDSFailure::Box::Error, errorCaption, NoReplyText(GetPort())};
        return false;
    }
    TIdentity identity;
    if (!ParseIdentity(ReadLine(), identity)) {
        Failure = {TTDSFailure::Box::Error, errorCaption,
                   QStringLiteral("L'oscilloscope est incompréhensible.") + lineBreak +
                       CheckSettingsLines()};
        return false;
    }
    Model = identity.Model;
    if (identity.HasFirmware)
        Firmware = identity.Firmware;
    return true;
}

bool TTDS::Transfer()
{
    Failure = {};
    const bool done = Guarded(Failure, [this] {
        TimeBase.XIncr = 0.0;
        TimeBase.PtOff = 0;
        TimeBase.XZero = 0.0;
        TimeBase.XUnit.clear();
        TimeBase.Present = false;
        ProgressMax += (ChannelCount() + 3) * TChannelData::MaxPoints;

        SendCommand(QStringLiteral("ACQ:STATE?"));
        QString reply = ReadLine();
        ProgressMax += int(reply.size());
        if (ReplyInteger(reply) != 0) {
            SendCommand(QStringLiteral("ACQ:STATE STOP"));
            m_stoppedAcquisition = true;
        }
        SendCommand(QStringLiteral("DIS:FORM?"));
        reply = ReadLine();
        ProgressMax += int(reply.size());
        XYMode = reply == QLatin1String("XY");
        ReadSources();
        return true;
    });
    // An acquisition frozen for the transfer runs again, even after a
    // cancel or a failure.
    if (std::exchange(m_stoppedAcquisition, false)) {
        try {
            m_port.WriteText(QByteArrayLiteral("ACQ:STATE RUN\r"));
        } catch (const EComPort &) {
        }
    }
    Progress = 0;
    ProgressMax = 0;
    return done;
}

void TTDS::ReadSources()
{
    TChannelData scratch;
    for (const SourceRow &row : sourceRows) {
        if (row.fourChannelsOnly && ChannelCount() <= 2)
            continue;
        SendCommand(QString::fromLatin1(row.command));
        ReadWaveform(scratch);
        if (row.name) {
            scratch.Name = QString::fromLatin1(row.name);
        } else if (scratch.Present) {
            SendCommand(QStringLiteral("MATH:DEFINE?"));
            const QString definition = ReadLine();
            ProgressMax += int(definition.size());
            scratch.Name = definition.size() < 2 ? QString() : definition.mid(1, definition.size() - 2);
        }
        this->*row.record = scratch;
    }
}

void TTDS::ReadWaveform(TChannelData &r)
{
    SendCommand(QStringLiteral("WFMP?"));
    const QString reply = ReadLine();
    ProgressMax += int(reply.size());
    if (!ReadPreamble(reply, Firmware, r, TimeBase)) {
        ProgressMax -= TChannelData::MaxPoints;
        return;
    }
    ProgressMax += r.NrPt - TChannelData::MaxPoints;

    struct BlockScope {
        TReplyParser &parser;
        ~BlockScope() { parser.EndBlock(); }
    } scope{m_parser};
    m_parser.ExpectBlock(r.NrPt);
    SendCommand(QStringLiteral("CURV?"));
    if (!WaitFor([this] { return m_parser.GetState() == TReplyParser::State::BlockDone; },
                 m_timeouts.SilenceMs, true))
        Silent();
    const auto block = m_parser.Block();
    std::copy(block.begin(), block.end(), r.Data.begin());
}

void TTDS::SendCommand(const QString &cmd)
{
    if (Cancelled)
        throw TCancelled{};
    Progress += int(cmd.size());
    ProgressMax += int(cmd.size());
    try {
        m_port.WriteText(cmd.toLatin1() + '\r');
    } catch (const EComPort &) {
        if (m_port.LineLost())
            Lost();
        throw;
    }
}

QString TTDS::ReadLine()
{
    std::optional<std::string> line;
    if (!WaitFor([&] { return (line = m_parser.TakeLine()).has_value(); }, m_timeouts.SilenceMs,
                 true))
        Silent();
    return QString::fromLatin1(line->data(), qsizetype(line->size()));
}

void TTDS::Silent()
{
    throw ETDSError(QStringLiteral("L'oscilloscope ne répond plus sur la liaison série ") +
                    GetPort() + QLatin1Char('.'));
}

void TTDS::Lost()
{
    throw ETDSError(QStringLiteral("La liaison série %1 a été perdue : l'oscilloscope est "
                                   "débranché ou éteint.")
                        .arg(GetPort()));
}

bool TTDS::WaitFor(const std::function<bool()> &done, int limitMs, bool fromLastByte)
{
    const qint64 start = m_clock.elapsed();
    for (;;) {
        if (Cancelled)
            throw TCancelled{};
        if (done())
            return true;
        if (m_parser.GetState() == TReplyParser::State::Failed)
            throw ETDSError(m_parser.Failure());
        if (m_port.LineLost())
            Lost();
        const qint64 from = fromLastByte ? std::max(start, m_lastByteMs) : start;
        const qint64 remaining = from + limitMs - m_clock.elapsed();
        if (remaining <= 0)
            return false;
        QEventLoop loop;
        QEventLoop *outer = std::exchange(m_loop, &loop);
        QTimer::singleShot(int(remaining), &loop, &QEventLoop::quit);
        loop.exec();
        m_loop = outer;
    }
}

void TTDS::Received(int count)
{
    const QByteArray bytes = m_port.ReadBytes(count);
    Progress += int(bytes.size());
    m_lastByteMs = m_clock.elapsed();
    m_parser.Feed(std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                            std::size_t(bytes.size())));
    Wake();
}
