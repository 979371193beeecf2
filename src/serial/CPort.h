#pragma once
// The serial port the oscilloscope is connected to: 9600 baud, 8 data bits,
// no parity, one stop bit, no flow control. Received bytes are reported by
// OnRxChar on the thread that owns the port (the user-interface thread); a
// line that goes away is reported once by OnLineLost, and the port closes.
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QList>
#include <exception>

// A failed serial operation: a code of the table below, the system's error
// number and text, and a message made of the code's text and the number.
class EComPort : public std::exception
{
public:
    enum Code {
        OpenFailed = 1,
        WriteFailed = 2,
        SetStateFailed = 7,
    };

    EComPort(Code code, int systemError, QString systemText);

    Code ErrorCode() const noexcept { return m_code; }
    int SystemError() const noexcept { return m_systemError; }
    const QString &SystemText() const noexcept { return m_systemText; }
    const QString &Message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

    // "Unable to open com port" and the other texts of the codes.
    static QString CodeText(Code code);

private:
    Code m_code;
    int m_systemError;
    QString m_systemText;
    QString m_message;
    QByteArray m_utf8;
};

// One serial device of the machine: the path it opens, and whether it is an
// adapter on USB (the system knows its USB vendor).
struct TPortInfo {
    QString Location;
    bool Usb = false;

    bool operator==(const TPortInfo &) const = default;
};

class TComPort : public QObject
{
    Q_OBJECT
public:
    explicit TComPort(QObject *parent = nullptr);
    ~TComPort() override;

    // "com3" -> "COM3", a bare "5" -> "COM5", "COM17" or "LPT1" -> "COM1";
    // device paths ("/dev/ttyUSB0", a pseudo-terminal) and other device
    // names are kept as they are.
    static QString NormalisePort(const QString &name);
    // The device a name opens: COMn is /dev/ttyS(n-1) here.
    static QString DevicePath(const QString &port);

    QString Port() const { return m_port; }
    // Stores the normalised name; an open port is closed and reopened on a
    // change of name.
    void SetPort(const QString &name);
    bool Connected() const { return m_serial.isOpen(); }

    // Opens the device exclusively with the line settings; does nothing when
    // already open. Throws EComPort.
    void Open();
    // Discards unread input and closes; does nothing when closed.
    void Close();
    // Writes every byte and waits for the write to end (1000 ms plus 100 ms
    // per byte at most). Returns the count written. Throws EComPort.
    int WriteText(const QByteArray &text);
    // At most count bytes of those already received; never waits.
    QByteArray ReadBytes(int count) { return m_serial.read(count); }
    int QueuedCount() const { return int(m_serial.bytesAvailable()); }
    // Whether the line opened last is gone: the system reported a hang-up
    // or the loss of the device (an adapter unplugged, the far end of a
    // pseudo-terminal closed). Cleared by the next Open. Never waits.
    bool LineLost() const { return m_lost; }

    // The machine's serial devices: built-in ports and adapters.
    static QList<TPortInfo> ListPorts();

signals:
    // Bytes have arrived; count (at least 1) is QueuedCount at that moment.
    void OnRxChar(int count);
    // The line is gone (LineLost holds); the port closes right after.
    void OnLineLost();

private:
    void Received();
    void SerialError(QSerialPort::SerialPortError error);
    // Whether the system reports a hang-up or an error on the open device.
    bool HungUp() const;
    [[noreturn]] void Fail(EComPort::Code code);

    QSerialPort m_serial;
    QString m_port = QStringLiteral("COM1");
    bool m_lost = false;
};
