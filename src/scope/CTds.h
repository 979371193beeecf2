#pragma once
// The oscilloscope link TTDS: configures and identifies the instrument, then
// reads every waveform it displays, each as a preamble and a curve. Runs on
// the user-interface thread: its waits run a local event loop, so received
// bytes, timers and a cancel keep flowing while a reply is awaited.
#include "data/TChannelData.h"
#include "scope/ReplyParser.h"
#include "serial/CPort.h"
#include <QElapsedTimer>
#include <QObject>
#include <functional>

class QEventLoop;

// Why Connect or Transfer failed, as the user is told.
struct TTDSFailure {
    enum class Box {
        None,  // no failure, or the user cancelled
        Plain, // a plain box captioned with the program's name
        Error, // an error box captioned with Caption
    };
    Box Kind = Box::None;
    QString Caption; // empty: the program's name
    QString Text;    // lines separated by LF then CR
};

// How long the link waits for the instrument.
struct TTDSTimeouts {
    int IdentifyMs = 1000; // for the first reply byte to the identification
    int SilenceMs = 5000;  // for the next byte of any other awaited reply
};

class TTDS : public QObject
{
    Q_OBJECT
public:
    explicit TTDS(QObject *parent = nullptr, TTDSTimeouts timeouts = {});
    ~TTDS() override;

    void SetPort(const QString &name) { m_port.SetPort(name); }
    QString GetPort() const { return m_port.Port(); }
    // Opens the port, configures and identifies the instrument. False with
    // Failure set (or after a cancel, with none).
    bool Connect();
    // Reads every source; false with Failure set (or after a cancel). On
    // false the records hold no usable result.
    bool Transfer();
    void ClosePort() { m_port.Close(); }
    // Ends the wait under way at once; no further command is awaited.
    void Cancel();
    // 4 for the model "TDS 224", otherwise 2.
    int ChannelCount() const;

    QString Model;
    bool XYMode = false;
    double Firmware = 0.0;
    bool Cancelled = false;
    // Bytes exchanged so far in this transfer, and those expected.
    int Progress = 0;
    int ProgressMax = 0;
    TTDSFailure Failure;

    // NrPt, XIncr, PtOff, XZero and XUnit of the last displayed source read;
    // Present when any source was displayed.
    TChannelData TimeBase;
    TChannelData Ch1, Ch2, Ch3, Ch4, RefA, RefB, MathWave;

private:
    void Configure();
    bool Identify();
    void ReadSources();
    void ReadWaveform(TChannelData &r);
    void SendCommand(const QString &cmd);
    QString ReadLine();
    // Runs the event loop until done() holds. Throws on a cancel, a failed
    // reply and a lost line; false when no byte came within limitMs (counted
    // from the wait's start, or from the last byte when fromLastByte).
    bool WaitFor(const std::function<bool()> &done, int limitMs, bool fromLastByte);
    [[noreturn]] void Silent();
    [[noreturn]] void Lost();
    void Received(int count);
    void Wake();

    TComPort m_port;
    TReplyParser m_parser;
    TTDSTimeouts m_timeouts;
    QEventLoop *m_loop = nullptr;
    QElapsedTimer m_clock;
    qint64 m_lastByteMs = 0;
    bool m_stoppedAcquisition = false;
};
