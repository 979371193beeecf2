#include "TdsSimulator.h"
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace
{

// Longest command line kept; a longer one is noise and is dropped.
constexpr std::size_t MaxCommand = 4096;
// Bytes per write when pacing without a chosen chunk size.
constexpr int PacedChunk = 8;

} // namespace

TdsSimulator::TdsSimulator(TdsSimOptions options)
    : m_instrument(options), m_chunk(options.Chunk), m_baud(options.Baud)
{
}

TdsSimulator::~TdsSimulator()
{
    Stop();
    for (int fd : {m_master, m_slave, m_wake[0], m_wake[1]}) {
        if (fd >= 0)
            ::close(fd);
    }
}

bool TdsSimulator::Open()
{
    termios raw{};
    ::cfmakeraw(&raw);
    ::cfsetspeed(&raw, B9600);
    char name[256] = {};
    // The far end stays open here, so the device never hangs up between
    // two programs using it.
    if (::openpty(&m_master, &m_slave, name, &raw, nullptr) != 0 || ::pipe(m_wake) != 0) {
        m_error = std::strerror(errno);
        return false;
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_path = name;
    return true;
}

void TdsSimulator::Start()
{
    m_thread = std::thread([this] { Run(); });
}

void TdsSimulator::Stop()
{
    if (m_wake[1] >= 0) {
        const char byte = 0;
        [[maybe_unused]] const auto written = ::write(m_wake[1], &byte, 1);
    }
    if (m_thread.joinable())
        m_thread.join();
}

std::vector<std::string> TdsSimulator::Commands() const
{
    const std::lock_guard lock(m_mutex);
    return m_commands;
}

TdsSimulator::Clock::duration TdsSimulator::WireTime(std::size_t bytes) const
{
    if (m_baud <= 0)
        return {};
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
        double(bytes) * 10.0 / double(m_baud)));
}

bool TdsSimulator::HangUpDue() const
{
    int unread = 0;
    return m_master >= 0 && m_out.empty() && m_instrument.HangsUp() &&
           ::ioctl(m_slave, FIONREAD, &unread) == 0 && unread == 0;
}

int TdsSimulator::PollTimeoutMs() const
{
    // A hang-up waits until the program has read what was sent before it.
    if (m_master >= 0 && m_out.empty() && m_instrument.HangsUp())
        return 1;
    if (m_out.empty() || m_master < 0)
        return -1;
    const auto wait = m_nextWrite - Clock::now();
    if (wait <= Clock::duration::zero())
        return 0;
    return int(std::chrono::ceil<std::chrono::milliseconds>(wait).count());
}

void TdsSimulator::Run()
{
    for (;;) {
        const int timeout = PollTimeoutMs();
        pollfd fds[2] = {{m_master, short(POLLIN | (timeout == 0 ? POLLOUT : 0)), 0},
                         {m_wake[0], POLLIN, 0}};
        if (::poll(fds, 2, timeout) < 0 && errno != EINTR)
            return;
        if (fds[1].revents != 0)
            return;
        if (fds[0].revents & POLLIN)
            ReadCommands();
        WritePending();
        if (HangUpDue())
            HangUp();
    }
}

void TdsSimulator::HangUp()
{
    for (int *fd : {&m_master, &m_slave}) {
        ::close(*fd);
        *fd = -1;
    }
}

void TdsSimulator::ReadCommands()
{
    char buffer[512];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n <= 0)
        return;
    m_bytesIn += n;
    // Each byte spends its time on the wire before the instrument has it.
    m_inputDone = std::max(m_inputDone, Clock::now()) + WireTime(std::size_t(n));
    for (ssize_t i = 0; i < n; ++i) {
        const char c = buffer[i];
        if (c != '\r' && c != '\n') {
            m_in += c;
            if (m_in.size() > MaxCommand)
                m_in.clear();
            continue;
        }
        if (m_in.empty())
            continue;
        {
            const std::lock_guard lock(m_mutex);
            m_commands.push_back(m_in);
        }
        const std::string reply = m_instrument.Answer(m_in);
        m_in.clear();
        if (reply.empty())
            continue;
        if (m_out.empty())
            m_nextWrite = std::max(Clock::now(), m_inputDone);
        m_out += reply;
    }
}

void TdsSimulator::WritePending()
{
    const auto now = Clock::now();
    if (m_out.empty() || now < m_nextWrite)
        return;
    std::size_t size = m_out.size();
    if (m_chunk > 0)
        size = std::min(size, std::size_t(m_chunk));
    else if (m_baud > 0)
        size = std::min(size, std::size_t(PacedChunk));
    const ssize_t n = ::write(m_master, m_out.data(), size);
    if (n <= 0)
        return;
    m_bytesOut += n;
    m_out.erase(0, std::size_t(n));
    if (m_baud > 0)
        m_nextWrite += WireTime(std::size_t(n));
    else if (m_chunk > 0)
        m_nextWrite = now + std::chrono::milliseconds(1);
}
