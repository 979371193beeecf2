#pragma once
// A growing byte buffer written little-endian, whatever the host: the
// metafile records are built into it field by field.
#include <QByteArray>
#include <QByteArrayView>
#include <bit>
#include <cstdint>

class LeBuffer
{
public:
    qsizetype Size() const { return m_bytes.size(); }
    const QByteArray &Bytes() const { return m_bytes; }
    void Reserve(qsizetype n) { m_bytes.reserve(n); }

    void U8(std::uint8_t v) { m_bytes.append(char(v)); }
    void U16(std::uint16_t v)
    {
        U8(std::uint8_t(v));
        U8(std::uint8_t(v >> 8));
    }
    void I16(std::int16_t v) { U16(std::uint16_t(v)); }
    void U32(std::uint32_t v)
    {
        U16(std::uint16_t(v));
        U16(std::uint16_t(v >> 16));
    }
    void I32(std::int32_t v) { U32(std::uint32_t(v)); }
    void F32(float v) { U32(std::bit_cast<std::uint32_t>(v)); }
    void Raw(QByteArrayView bytes) { m_bytes.append(bytes); }
    // Zero bytes up to the next multiple of n.
    void PadTo(int n)
    {
        while (m_bytes.size() % n != 0)
            U8(0);
    }

    // Overwrites a field written earlier (sizes and counts known at the end).
    void PatchU16(qsizetype at, std::uint16_t v)
    {
        m_bytes[at] = char(v);
        m_bytes[at + 1] = char(v >> 8);
    }
    void PatchU32(qsizetype at, std::uint32_t v)
    {
        PatchU16(at, std::uint16_t(v));
        PatchU16(at + 2, std::uint16_t(v >> 16));
    }

private:
    QByteArray m_bytes;
};
