#include "posetable.h"

namespace {

// Finger presets: straight, and rolled into a fist.
constexpr FingerPose E{0, 0, 0, 0};
constexpr FingerPose F{90, 100, 65, 0};
constexpr FingerPose spread(double s)
{
    return {0, 0, 0, s};
}
// The thumb pressing the curled fingers down.
constexpr ThumbPose Tov{10, 55, 35, 25};

HandPose make(ThumbPose t, FingerPose i, FingerPose m, FingerPose r, FingerPose l, double face,
              double dir, double tilt, double offsetX = 0.0, double offsetY = 0.0)
{
    HandPose p;
    p.thumb = t;
    p.fingers = {i, m, r, l};
    p.face = face;
    p.dir = dir;
    p.tilt = tilt;
    p.offsetX = offsetX;
    p.offsetY = offsetY;
    return p;
}

const std::array<HandPose, PoseTable::count>& table()
{
    static const std::array<HandPose, PoseTable::count> poses = [] {
        const HandPose o = make({0, 38, 5, 10}, {35, 75, 50, 0}, {40, 75, 50, 0}, {45, 75, 50, 0},
                                {50, 75, 50, 0}, 90, 0, 0, -12, 0);
        const FingerPose claw{15, 95, 70, 0};
        return std::array<HandPose, PoseTable::count>{
            // あ い う え お
            make({80, 10, 0, 0}, F, F, F, F, 0, 0, 0),
            make(Tov, F, F, F, spread(10), 0, 0, 0),
            make(Tov, E, E, F, F, 0, 0, 0),
            make({5, 65, 40, 30}, claw, claw, claw, claw, 0, 0, 0),
            o,
            // か き く け こ
            make({30, 45, 20, 10}, E, {45, 0, 0, 8}, F, F, 60, 0, 0),
            make({35, 60, 15, 15}, spread(8), {80, 10, 5, 0}, {80, 10, 5, 0}, spread(8), 0, 0, 0),
            make({90, 0, 0, 0}, {0, 5, 5, 0}, {0, 5, 5, 0}, {0, 5, 5, 0}, {0, 5, 5, 0}, 180, 78, 0),
            make({0, 70, 55, 40}, E, E, E, E, 0, 0, 0),
            make({15, 10, 0, 0}, {90, 0, 0, 0}, {90, 0, 0, 0}, {90, 0, 0, 0}, {90, 0, 0, 0}, 90, 0,
                 0),
            // さ し す せ そ
            make({0, 45, 25, 15}, F, F, F, F, 0, 0, 0),
            make({90, 0, 0, 0}, spread(8), spread(8), F, F, 180, 78, 0),
            make({90, 0, 0, 0}, spread(8), spread(8), F, F, 180, 180, 0),
            make(Tov, F, E, F, F, 0, 0, 0),
            make(Tov, E, F, F, F, -90, -100, 25),
            // た ち つ て と
            make({0, -15, 0, 0}, F, F, F, F, -25, 0, 0),
            make({30, 60, 15, 10}, {55, 25, 15, 0}, {55, 25, 15, 0}, {55, 25, 15, 0}, spread(10), 0,
                 0, 0),
            make({30, 60, 15, 10}, {55, 25, 15, 0}, {55, 25, 15, 0}, spread(5), spread(8), 0, 0, 0),
            make({20, 0, 0, 0}, E, E, E, E, 0, 0, 0),
            make(Tov, E, E, F, F, 180, 0, 0),
            // な に ぬ ね の
            make(Tov, spread(8), spread(8), F, F, 180, 180, 0),
            make(Tov, spread(4), spread(4), F, F, 180, 78, 0),
            make(Tov, {0, 90, 70, 0}, F, F, F, 90, 0, 0),
            make({60, 0, 0, 0}, spread(15), E, spread(12), spread(20), 180, 180, 0),
            make(Tov, E, F, F, F, 0, -15, 15, 12, 4),
            // は ひ ふ へ ほ
            make(Tov, E, E, F, F, -30, -120, 45, -15, 10),
            make(Tov, E, F, F, F, 0, 0, 0),
            make({90, 0, 0, 0}, E, F, F, F, 180, 180, 0),
            make({70, 0, 0, 0}, F, F, F, spread(15), 180, 180, 0),
            make({15, 10, 10, 5}, {15, 15, 10, 0}, {15, 15, 10, 0}, {15, 15, 10, 0},
                 {15, 15, 10, 0}, 180, 0, 0),
            // ま み む め も
            make(Tov, spread(10), E, spread(10), F, 180, 180, 0),
            make(Tov, spread(10), E, spread(10), F, 180, 78, 0),
            make({90, 0, 0, 0}, E, F, F, F, 180, 78, 0),
            make({0, 40, 5, 10}, {30, 70, 50, 0}, spread(5), spread(10), spread(15), -60, 0, 0),
            make({0, 40, 0, 0}, {50, 30, 20, 0}, F, F, F, -130, 0, 0, -8, 10),
            // や ゆ よ
            make({80, 0, 0, 0}, F, F, F, spread(15), 0, 0, 0),
            make(Tov, spread(10), E, spread(10), F, 180, 0, 0),
            make({0, 70, 55, 40}, spread(3), E, spread(3), spread(3), 180, 78, 0),
            // ら り る れ ろ
            make(Tov, E, {0, 10, 5, -15}, F, F, 0, 0, 0),
            make(Tov, spread(8), spread(8), F, F, 0, 0, 0, -5, 5),
            make({70, 0, 0, 0}, spread(8), spread(8), F, F, 0, 0, 0),
            make({90, 0, 0, 0}, E, F, F, F, 0, 0, 0),
            make(Tov, {0, 95, 85, 0}, {0, 95, 85, 0}, F, F, 90, 0, 0),
            // わ を ん
            make(Tov, spread(10), E, spread(10), F, 0, 0, 0),
            o,
            make(Tov, E, F, F, F, -90, -70, 10, -8, 35),
        };
    }();
    return poses;
}

constexpr std::array<const char*, PoseTable::count> kanaNames = {
    "あ", "い", "う", "え", "お", "か", "き", "く", "け", "こ", "さ", "し", "す", "せ", "そ", "た",
    "ち", "つ", "て", "と", "な", "に", "ぬ", "ね", "の", "は", "ひ", "ふ", "へ", "ほ", "ま", "み",
    "む", "め", "も", "や", "ゆ", "よ", "ら", "り", "る", "れ", "ろ", "わ", "を", "ん",
};

} // namespace

const HandPose& PoseTable::pose(int picture)
{
    return table()[static_cast<std::size_t>(picture)];
}

const char* PoseTable::kana(int picture)
{
    return kanaNames[static_cast<std::size_t>(picture)];
}
