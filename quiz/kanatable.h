// The quiz's fixed vocabulary: the 46 kana in gojuon order and the 13 study
// modes that cut ranges out of it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quiz {

// The 1-based place of a kana in gojuon order: 1 for あ up to 46 for ん.
// Its picture is KanaNumber - 1.
using KanaNumber = std::int16_t;

inline constexpr int KanaTotal = 46;
inline constexpr int StudyModeCount = 13;

// The reading of each kana, one hiragana, in KanaNumber order (element 0 is
// KanaNumber 1).
extern const std::array<std::u16string_view, KanaTotal> KanaReadingTable;

struct StudyMode
{
    std::u16string_view ModeName;
    std::int16_t KanaCount;
    KanaNumber FirstKana;
};

// Rows 1 to 13 of the study-mode table; element 0 is row 1.
extern const std::array<StudyMode, StudyModeCount> StudyModeTable;

// Row Index of the study-mode table, or nullptr when the table has no such row.
const StudyMode* studyModeRow(int Index);

} // namespace quiz
