#pragma once

#include <string>

namespace quiz {

// A whole number as the plain decimal digits the window shows: no sign, no
// blank, no leading zero ("0", "7", "46", "100").
std::u16string decimalText(int value);

// The number written by decimalText, read back. Only texts that decimalText
// wrote are ever read.
int decimalValue(const std::u16string& text);

} // namespace quiz
