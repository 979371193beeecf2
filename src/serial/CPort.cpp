#include "serial/CPort.h"
#include <QSerialPortInfo>
#include <array>
#include <cerrno>
#include <utility>
#ifdef Q_OS_UNIX
#include <poll.h>
#endif

namespace
{

struct CodeRow {
    EComPort::Code code;
    const char *text;
};

const std::array<CodeRow, 3> codeTexts{{
    {EComPort::OpenFailed, "Unable to open com port"},
    {EComPort::WriteFailed, "WriteFile function failed"},
    {EComPort::SetStateFailed, "SetCommState function failed"},
}};

// What the driver may queue on our side before the link reads it.
constexpr qint64 InputQueueSize = 4096;

} // namespace

EComPort::EComPort(Code code, int systemError, QString systemText)
    : m_code(code), m_systemError(systemError), m_systemText(std::move(systemText)),
      m_message(QStringLiteral("%1 (win error code: %2)").arg(CodeText(code)).arg(systemError)),
      m_utf8(m_message.toUtf8())
{
}

QString EComPort::CodeText(Code code)
{
    for (const CodeRow &row : codeTexts) {
        if (row.code == code)
            return QString::fromLatin1(row.text);
    }
    return {};
}

TComPort::TComPort(QObject *parent) : QObject(parent)
{
    m_serial.setReadBufferSize(InputQueueSize);
    connect(&m_serial, &QSerialPort::readyRead, this, &TComPort::Received);
    connect(&m_serial, &QSerialPort::errorOccurred, this, &TComPort::SerialError);
}

TComPort::~TComPort()
{
    Close();
}

QString TComPort::NormalisePort(const QString &name)
{
    const bool comName = name.left(3).compare(QLatin1String("COM"), Qt::CaseInsensitive) == 0;
    bool bare = false;
    name.toInt(&bare);
    if (!comName && !bare)
        return name;
    bool ok = false;
    int n = name.mid(comName ? 3 : 0).toInt(&ok);
    if (!ok || n < 1 || n > 16)
        n = 1;
    return QStringLiteral("COM%1").arg(n);
}

QString TComPort::DevicePath(const QString &port)
{
    if (port.startsWith(QLatin1String("COM")))
        return QStringLiteral("/dev/ttyS%1").arg(port.mid(3).toInt() - 1);
    return port;
}

void TComPort::SetPort(const QString &name)
{
    const QString port = NormalisePort(name);
    if (port == m_port)
        return;
    m_port = port;
    if (Connected()) {
        Close();
        Open();
    }
}

void TComPort::Fail(EComPort::Code code)
{
    const int systemError = errno;
    throw EComPort(code, systemError, m_serial.errorString());
}

void TComPort::Open()
{
    if (Connected())
        return;
    m_serial.setPortName(DevicePath(m_port));
    m_lost = false;
    errno = 0;
    if (!m_serial.open(QIODevice::ReadWrite))
        Fail(EComPort::OpenFailed);
    const bool lineSet = m_serial.setBaudRate(QSerialPort::Baud9600) &&
                         m_serial.setDataBits(QSerialPort::Data8) &&
                         m_serial.setParity(QSerialPort::NoParity) &&
                         m_serial.setStopBits(QSerialPort::OneStop) &&
                         m_serial.setFlowControl(QSerialPort::NoFlowControl);
    if (!lineSet) {
        EComPort error(EComPort::SetStateFailed, errno, m_serial.errorString());
        m_serial.close();
        throw error;
    }
    // Control lines held inactive. A device without them (a pseudo-terminal,
    // some adapters) refuses: that is no error.
    m_serial.setDataTerminalReady(false);
    m_serial.setRequestToSend(false);
    m_serial.clearError();
    // Bytes left over from an earlier exchange are not replies to ours.
    m_serial.clear();
}

void TComPort::Close()
{
    if (!Connected())
        return;
    // Unread input is dropped; what was written still reaches the device.
    m_serial.clear(QSerialPort::Input);
    m_serial.close();
}

int TComPort::WriteText(const QByteArray &text)
{
    errno = 0;
    if (!Connected() || m_lost || m_serial.write(text) != text.size())
        Fail(EComPort::WriteFailed);
    const int limitMs = 1000 + 100 * int(text.size());
    while (m_serial.bytesToWrite() > 0) {
        if (!m_serial.waitForBytesWritten(limitMs))
            Fail(EComPort::WriteFailed);
    }
    return int(text.size());
}

QList<TPortInfo> TComPort::ListPorts()
{
    QList<TPortInfo> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports.push_back({info.systemLocation(), info.hasVendorIdentifier()});
    return ports;
}

void TComPort::SerialError(QSerialPort::SerialPortError error)
{
    const bool failedIo = error == QSerialPort::ReadError || error == QSerialPort::WriteError;
    if (m_lost || !(error == QSerialPort::ResourceError || (failedIo && HungUp())))
        return;
    // The device keeps signalling its hang-up until it is closed: a wait on
    // it would never block again.
    m_lost = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_lost)
                Close();
        },
        Qt::QueuedConnection);
    emit OnLineLost();
}

bool TComPort::HungUp() const
{
#ifdef Q_OS_UNIX
    pollfd line{int(m_serial.handle()), POLLIN, 0};
    return ::poll(&line, 1, 0) == 1 && (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    // Elsewhere a device that goes away is reported as a resource error.
    return false;
#endif
}

void TComPort::Received()
{
    const int count = QueuedCount();
    if (count > 0)
        emit OnRxChar(count);
}
