// Little-endian byte output for the file headers of BMP and ICO.
#pragma once

#include <cstdint>
#include <vector>

class ByteWriter
{
public:
    void u8(std::uint32_t v) { m_bytes.push_back(static_cast<std::uint8_t>(v & 0xFFu)); }
    void u16(std::uint32_t v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v)
    {
        u16(v & 0xFFFFu);
        u16(v >> 16);
    }
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};
