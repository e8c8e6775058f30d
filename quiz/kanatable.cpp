#include "kanatable.h"

namespace quiz {

const std::array<std::u16string_view, KanaTotal> KanaReadingTable = {
    u"あ", u"い", u"う", u"え", u"お", // 1-5
    u"か", u"き", u"く", u"け", u"こ", // 6-10
    u"さ", u"し", u"す", u"せ", u"そ", // 11-15
    u"た", u"ち", u"つ", u"て", u"と", // 16-20
    u"な", u"に", u"ぬ", u"ね", u"の", // 21-25
    u"は", u"ひ", u"ふ", u"へ", u"ほ", // 26-30
    u"ま", u"み", u"む", u"め", u"も", // 31-35
    u"や", u"ゆ", u"よ",               // 36-38
    u"ら", u"り", u"る", u"れ", u"ろ", // 39-43
    u"わ", u"を", u"ん",               // 44-46
};

// The range sign in the last three names is U+FF5E, FULLWIDTH TILDE.
const std::array<StudyMode, StudyModeCount> StudyModeTable = {{
    {u"あ行", 5, 1},
    {u"か行", 5, 6},
    {u"さ行", 5, 11},
    {u"た行", 5, 16},
    {u"な行", 5, 21},
    {u"は行", 5, 26},
    {u"ま行", 5, 31},
    {u"や行", 3, 36},
    {u"ら行", 5, 39},
    {u"わ行", 3, 44},
    {u"あ行\uFF5Eな行", 25, 1},
    {u"は行\uFF5Eわ行", 21, 26},
    {u"あ行\uFF5Eわ行", 46, 1},
}};

const StudyMode* studyModeRow(int Index)
{
    if (Index < 1 || Index > StudyModeCount)
        return nullptr;
    return &StudyModeTable[static_cast<std::size_t>(Index - 1)];
}

} // namespace quiz
