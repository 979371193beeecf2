#include "TdsInstrument.h"
#include <cmath>
#include <cstdlib>

namespace
{

constexpr double Pi = 3.14159265358979323846;

struct SourceName {
    const char *command; // after "DAT:SOU "
    char source;
    const char *description;
};

const SourceName sources[] = {
    {"CH1", '1', "Ch1, DC coupling, 2.0E0 V/div, 1.0E-3 s/div"},
    {"CH2", '2', "Ch2, DC coupling, 2.0E0 V/div, 1.0E-3 s/div"},
    {"CH3", '3', "Ch3, AC coupling, 2.0E0 V/div, 1.0E-3 s/div"},
    {"CH4", '4', "Ch4, DC coupling, 2.0E0 V/div, 1.0E-3 s/div"},
    {"MATH", 'M', "Math, CH1+CH2, 4.0E0 V/div, 1.0E-3 s/div"},
    {"REFA", 'A', "Ref A, 2.0E0 V/div, 1.0E-3 s/div"},
    {"REFB", 'B', "Ref B, 2.0E0 V/div, 1.0E-3 s/div"},
};

std::string Upper(std::string_view text)
{
    std::string s(text);
    for (char &c : s) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return s;
}

int Clamp(double v)
{
    const long code = std::lround(v);
    return code < 0 ? 0 : code > 255 ? 255 : int(code);
}

} // namespace

std::string TdsInstrument::CurveCodes(char source, int points)
{
    std::string codes(std::size_t(points > 0 ? points : 0), '\0');
    for (int i = 0; i < points; ++i) {
        const double t = double(i) / 2500.0;
        double v = 128.0;
        switch (source) {
        case '1':
            v = 128.0 + 75.0 * std::sin(2 * Pi * t);
            break;
        case '2':
            v = std::fmod(t * 5.0, 1.0) < 0.5 ? 176.0 : 80.0;
            break;
        case '3':
            v = 60.0 + 136.0 * std::abs(std::fmod(t * 6.0, 2.0) - 1.0);
            break;
        case '4':
            v = 128.0 + 100.0 * std::exp(-3.0 * t) * std::sin(2 * Pi * 8.0 * t);
            break;
        case 'M': // CH1+CH2 at twice the volts per division
            v = 128.0 + 37.5 * std::sin(2 * Pi * t) +
                (std::fmod(t * 5.0, 1.0) < 0.5 ? 24.0 : -24.0);
            break;
        case 'A':
            v = 128.0 + 60.0 * std::sin(2 * Pi * 2.0 * t + 1.0);
            break;
        case 'B': // every byte value, the terminator's included
            v = double(i % 256);
            break;
        default:
            break;
        }
        codes[std::size_t(i)] = char(Clamp(v));
    }
    return codes;
}

bool TdsInstrument::Shown(char source) const
{
    return m_options.Displayed.find(source) != std::string::npos;
}

std::string TdsInstrument::Preamble() const
{
    if (m_options.Fault == TdsFault::Endless)
        return std::string(10000, 'x');
    std::string reply = "1;8;BIN;RP;MSB";
    const bool early = std::atof(m_options.Firmware.c_str()) < 2.0;
    const std::string count = std::to_string(m_options.Points);
    if (!Shown(m_source)) {
        if (early)
            reply += ";" + count;
        return Line(reply);
    }
    std::string description;
    for (const SourceName &s : sources) {
        if (s.source == m_source)
            description = s.description;
    }
    const char *xIncr = m_options.Fault == TdsFault::BadField ? "abc" : "4.0E-6";
    const bool doubled = m_source == 'M' && m_options.YMult == "8.0E-2";
    for (const std::string &field :
         {count, "\"" + description + ", " + count + " points, Sample mode\"", std::string("Y"),
          std::string(xIncr), std::string("0"), std::string("-5.0E-3"),
          "\"" + m_options.XUnit + "\"", doubled ? std::string("1.6E-1") : m_options.YMult,
          std::string("0.0E0"), m_options.YOff, "\"" + m_options.YUnit + "\""}) {
        reply += ';';
        reply += field;
    }
    return Line(reply);
}

std::string TdsInstrument::Curve() const
{
    const std::string data = CurveCodes(m_source, m_options.Points);
    std::string count = std::to_string(data.size());
    if (m_options.Fault == TdsFault::LongBlock)
        count = "9999";
    std::string block(1, '#');
    block += std::to_string(count.size());
    block += count;
    block += data;
    block += m_terminator;
    return block;
}

std::string TdsInstrument::Answer(std::string_view line)
{
    const std::string command = Upper(line);
    if (m_options.Fault == TdsFault::Silent || m_hung || m_unplugged)
        return {};
    if (command == "RS232:TRAN:TERM CR")
        m_terminator = '\r';
    else if (command == "ID?")
        return m_options.Fault == TdsFault::Garbage
                   ? Line("\x15\x7f?#@!%")
                   : Line("ID TEK/" + m_options.Model + ",CF:91.1CT,FV:v" + m_options.Firmware +
                          " TDS2CM:CMV:v1.04");
    else if (command == "ACQ:STATE?")
        return Line(m_options.Stopped ? "0" : "1");
    else if (command == "ACQ:STATE STOP")
        m_options.Stopped = true;
    else if (command == "ACQ:STATE RUN")
        m_options.Stopped = false;
    else if (command == "DIS:FORM?")
        return Line(m_options.XY ? "XY" : "YT");
    else if (command == "MATH:DEFINE?")
        return Line("\"CH1+CH2\"");
    else if (command == "WFMP?")
        return Preamble();
    else if (command == "CURV?") {
        m_hung = m_options.Fault == TdsFault::HangOnCurve;
        m_unplugged = m_options.Fault == TdsFault::Unplugged;
        const std::string curve = m_hung ? std::string() : Curve();
        return m_unplugged ? curve.substr(0, curve.size() / 2) : curve;
    } else if (command.rfind("DAT:SOU ", 0) == 0) {
        for (const SourceName &s : sources) {
            if (command.substr(8) == s.command)
                m_source = s.source;
        }
    }
    return {};
}
