#pragma once
// A 2- or 4-channel oscilloscope of the family as its serial line sees it:
// every command the editor's link sends gets the reply a real instrument
// gives, or a chosen fault. No input or output here: Answer maps one command
// line to the bytes to send back.
#include <string>
#include <string_view>

enum class TdsFault {
    None,
    Silent,      // never answers
    Garbage,     // answers the identification with noise
    BadField,    // a preamble field that is not a number
    Endless,     // a preamble that never ends
    HangOnCurve, // stops answering at the first curve request
    LongBlock,   // a curve block announcing more bytes than it may
    Unplugged,   // sends half of the first curve, then its side of the line closes
};

struct TdsSimOptions {
    std::string Model = "TDS 210"; // "TDS 224" has four channels
    std::string Firmware = "2.03";
    std::string Displayed = "12"; // sources shown: 1 2 3 4 M(ath) A B (references)
    bool XY = false;
    bool Stopped = false; // acquisition stopped before the transfer
    int Points = 2500;    // point count the preambles announce
    std::string YMult = "8.0E-2";
    std::string YOff = "1.28E2"; // the code of the channels' zero level
    std::string YUnit = "Volts";
    std::string XUnit = "s";
    int Chunk = 0; // bytes per write; 0 sends each reply in one write
    int Baud = 0;  // paces both directions at this rate (10 bits a byte); 0 does not
    TdsFault Fault = TdsFault::None;
};

class TdsInstrument
{
public:
    explicit TdsInstrument(TdsSimOptions options) : m_options(std::move(options)) {}

    // The reply to one command line (without its terminator); empty when the
    // command has none.
    std::string Answer(std::string_view command);

    // Whether the line closes once the replies given so far are sent.
    bool HangsUp() const { return m_unplugged; }

    // The codes of a source's curve, one byte per point.
    static std::string CurveCodes(char source, int points);

private:
    std::string Preamble() const;
    std::string Curve() const;
    bool Shown(char source) const;
    std::string Line(std::string text) const { return text += m_terminator; }

    TdsSimOptions m_options;
    char m_terminator = '\n';
    char m_source = '1';
    bool m_hung = false;
    bool m_unplugged = false;
};
