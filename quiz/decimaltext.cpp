#include "decimaltext.h"

#include <algorithm>

namespace quiz {

std::u16string decimalText(int value)
{
    std::u16string digits;
    unsigned magnitude =
        value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits.push_back(static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        digits.push_back(u'-');
    std::reverse(digits.begin(), digits.end());
    return digits;
}

int decimalValue(const std::u16string& text)
{
    int value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace quiz
