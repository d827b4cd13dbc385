#include "text/Windows1252.h"

namespace {

// 0x80..0x9F; the unassigned bytes hold the C1 control of the same value.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isC1(char16_t u)
{
    return u >= 0x80 && u < 0xA0;
}

} // namespace

namespace Windows1252 {

char16_t toUnicode(unsigned char byte)
{
    return isC1(byte) ? kHigh[byte - 0x80] : char16_t(byte);
}

std::optional<unsigned char> fromUnicode(char16_t character)
{
    if (character <= 0xFF)
        return isC1(character) ? std::nullopt : std::optional<unsigned char>(static_cast<unsigned char>(character));
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == character)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

} // namespace Windows1252
