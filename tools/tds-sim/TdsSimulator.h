#pragma once
// The simulated oscilloscope on the far end of a pseudo-terminal: a program
// opens the device path like any serial port, and every command it writes is
// answered by a TdsInstrument, in pieces and at the wire rate if asked.
#include "TdsInstrument.h"
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TdsSimulator
{
public:
    explicit TdsSimulator(TdsSimOptions options);
    ~TdsSimulator();
    TdsSimulator(const TdsSimulator &) = delete;
    TdsSimulator &operator=(const TdsSimulator &) = delete;

    // Opens the pseudo-terminal in raw mode. On false, Error() says why.
    bool Open();
    const std::string &DevicePath() const { return m_path; }
    const std::string &Error() const { return m_error; }

    // Serves on a thread of its own until Stop or destruction.
    void Start();
    // Serves on the calling thread until Stop (which a signal handler may call).
    void Run();
    void Stop();

    // The command lines received so far, in order.
    std::vector<std::string> Commands() const;
    // Bytes received and sent so far, terminators included.
    long long BytesIn() const { return m_bytesIn; }
    long long BytesOut() const { return m_bytesOut; }

private:
    using Clock = std::chrono::steady_clock;

    void ReadCommands();
    void WritePending();
    // Closes both ends of the pseudo-terminal: the program on the other side
    // sees its line hang up.
    void HangUp();
    // Whether the instrument is to hang up and the program has read every
    // byte sent before.
    bool HangUpDue() const;
    int PollTimeoutMs() const;
    Clock::duration WireTime(std::size_t bytes) const;

    TdsInstrument m_instrument;
    int m_chunk;
    int m_baud;
    int m_master = -1;
    int m_slave = -1;
    int m_wake[2] = {-1, -1};
    std::string m_path;
    std::string m_error;
    std::string m_in;  // command text not yet ended
    std::string m_out; // reply bytes not yet written
    Clock::time_point m_nextWrite{};
    Clock::time_point m_inputDone{};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_commands;
    std::atomic<long long> m_bytesIn = 0;
    std::atomic<long long> m_bytesOut = 0;
    std::thread m_thread;
};
