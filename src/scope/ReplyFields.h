#pragma once
// The fields of the oscilloscope's text replies: the identification and the
// waveform preamble. Pure functions over the reply line.
#include <QString>
#include <exception>

struct TChannelData;

// A reply that cannot be used; the message is French and complete.
class ETDSError : public std::exception
{
public:
    explicit ETDSError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8())
    {
    }
    const QString &Message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

struct TIdentity {
    QString Model;            // after "TEK/", up to the first ','
    bool HasFirmware = false; // the reply holds "FV:v"
    double Firmware = 0.0;
};

// False when the reply holds no "TEK/". Throws ETDSError when the version
// after "FV:v" is not a number.
bool ParseIdentity(const QString &reply, TIdentity &identity);

// Reads a preamble into r. Returns whether the source is displayed (more
// than the leading fields came). The point count is the sixth field; below
// firmware 2.0 every reply holds it, from 2.0 on only those of displayed
// sources. For a displayed source the X fields are copied into timeBase as
// well. Throws ETDSError on a field that does not convert or a point count
// outside 0..TChannelData::MaxPoints.
bool ReadPreamble(QString reply, double firmware, TChannelData &r, TChannelData &timeBase);

// A reply that is a decimal integer, or ETDSError.
int ReplyInteger(const QString &text);
