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
// The same thumb seen from the little-finger side: laid against the fist
// rather than across it, so that it does not stick out past the curled fingers.
constexpr ThumbPose Tside{0, 40, 30, 40};
// The thumb of a pointing hand, seen from the thumb side: laid over the
// curled middle finger instead of pressing down past it.
constexpr ThumbPose Tpoint{-10, 15, 30, 30};
// A straight finger bent at the knuckle and the middle joint so that its tip
// comes down onto the thumb tip (the "snout" of き, ち and つ).
constexpr FingerPose snout{60, 60, 40, 0};

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
        // A fist rolled tighter than F, for た.
        constexpr FingerPose fist{105, 100, 65, 0};
        // The fingers arch forward rather than curl in, and the thumb reaches
        // up under their tips, so the ring seen through from the side is wide.
        const HandPose o = make({-10, 38, 10, 10}, {40, 55, 40, 0}, {43, 55, 40, 0},
                                {47, 55, 40, 0}, {52, 55, 40, 0}, 90, 0, 0, -12, 0);
        const FingerPose claw{15, 95, 70, 0};
        // The sail of ほ: every joint a little flexed, turned slightly so the
        // curve of the fingers shows against the back of the hand. The spreads
        // cancel the fan of fingers at rest, so the four lie together.
        const FingerPose cupIndex{20, 22, 12, -2};
        const FingerPose cup{20, 22, 12, 0};
        const FingerPose cupRing{20, 22, 12, -2.5};
        const FingerPose cupLittle{20, 22, 12, -6};
        return std::array<HandPose, PoseTable::count>{
            // あ い う え お
            make({80, 10, 0, 0}, F, F, F, F, 0, 0, 0),
            make(Tov, F, F, F, spread(10), 0, 0, 0),
            make(Tov, E, E, F, F, 0, 0, 0),
            // Turned a little toward the little-finger side so the hooked fingers
            // show their bend and nails, the thumb folded across the palm below.
            make({20, 70, 70, 30}, claw, claw, claw, claw, 30, 0, 0),
            o,
            // か き く け こ
            // Turned toward the thumb side, so the middle finger bending forward
            // from its knuckle opens a "K" against the upright index, with the
            // thumb reaching up onto it.
            make({-35, 20, 10, 0}, E, {50, 0, 0, 5}, F, F, -60, 0, 0),
            // Nearly palm on, so the raised index and little finger stay at their
            // own sides of the hand with the snout between them.
            make({-25, 45, 5, 5}, spread(8), snout, snout, spread(10), 20, 0, 5),
            make({90, 0, 0, 0}, {0, 5, 5, 0}, {0, 5, 5, 0}, {0, 5, 5, 0}, {0, 5, 5, 0}, 180, 78, 0),
            make({0, 70, 55, 40}, E, E, E, E, 0, 0, 0),
            // The hook of こ seen from the little-finger side and a little from
            // above, so the four straight fingers lie one above the other, with
            // the thumb held up along the far side of the hand.
            make({0, 10, 0, 0}, {88, 2, 2, -1}, {90, 2, 2, 1}, {91, 2, 2, 2}, {92, 2, 2, 3}, 85, 0,
                 30, -8, 0),
            // さ し す せ そ
            make({0, 45, 25, 15}, F, F, F, F, 0, 0, 0),
            make({90, 0, 0, 0}, spread(8), spread(8), F, F, 180, 78, 0),
            make({90, 0, 0, 0}, spread(8), spread(8), F, F, 180, 180, 0),
            // The thumb lies low across the fist, so the curled index shows whole
            // on the thumb side of the raised middle finger.
            make({30, 60, 30, 25}, F, E, F, F, -10, 0, 0),
            // The thumb lies across the curled fingers, inside the fist, so the
            // index alone points (the same hand as ん).
            make(Tpoint, E, F, F, F, -90, -100, 25),
            // た ち つ て と
            // The fist rolled a little tighter and tipped toward the viewer, so
            // that its top sits low and the thumb, held straight up, stands clear
            // above it.
            make({-16, -5, 0, -5}, fist, fist, fist, fist, -30, 0, 22),
            // The raised fingers spread clear of the beak and of each other, so
            // that one (ち) and two (つ) count at a glance.
            make({-25, 45, 5, 5}, snout, snout, snout, spread(18), 40, 0, 5),
            // つ's pair bends mostly at the knuckle and stays fairly straight, so
            // that it closes on the thumb as a flat beak, not as the round ring
            // of め.
            make({-20, 45, 5, 5}, {75, 30, 15, 0}, {75, 30, 15, -2}, spread(12), spread(25), 40, 0,
                 5),
            make({12, 0, 0, 0}, E, E, E, E, 0, 0, 0),
            make(Tov, E, E, F, F, 180, 0, 0),
            // な に ぬ ね の
            make(Tov, spread(8), spread(8), F, F, 180, 180, 0),
            make(Tov, spread(4), spread(4), F, F, 180, 78, 0),
            make(Tside, {0, 100, 70, 0}, F, F, F, 50, 0, 20),
            make({60, 0, 0, 0}, spread(15), E, spread(12), spread(20), 180, 180, 0),
            make(Tov, E, F, F, F, 0, -15, 15, 12, 4),
            // は ひ ふ へ ほ
            // The thumb comes down over the edge of the hand onto the curled
            // fingers, long enough to read as a digit; the curled fingers stay a
            // little open so their knuckles round off. The fingertips tip
            // toward the viewer only so far that the two straight fingers keep
            // most of their length.
            make({0, 45, 25, 15}, E, E, {85, 95, 60, 0}, {88, 95, 60, 2}, -10, -120, 26, -15, 16),
            make(Tov, E, F, F, F, 0, 0, 0),
            make({90, 0, 0, 0}, E, F, F, F, 180, 180, 0),
            // Thumb and little finger both slant down and out, so together they
            // draw the ∧ of へ.
            make({35, 0, 0, 0}, F, F, F, spread(28), 180, 180, 0),
            make({15, 10, 5, 5}, cupIndex, cup, cupRing, cupLittle, 160, 0, 0),
            // ま み む め も
            make(Tov, spread(10), E, spread(10), F, 180, 180, 0),
            make(Tov, spread(10), E, spread(10), F, 180, 78, 0),
            make({90, 0, 0, 0}, E, F, F, F, 180, 78, 0),
            // Turned toward the little-finger side so the ring of thumb and index
            // is seen face on and its hole stays open.
            make({0, 35, 5, 15}, {50, 80, 45, 10}, spread(5), spread(10), spread(15), 45, 0, 10),
            // Seen mostly from the back, turned enough that the thumb and the
            // index finger show as two tips a little apart, just before they meet.
            make({0, 28, 5, 0}, {45, 30, 20, 0}, F, F, F, -150, 0, 10, 14, 8),
            // や ゆ よ
            make({80, 0, 0, 0}, F, F, F, spread(15), 0, 0, 0),
            make(Tov, spread(10), E, spread(10), F, 180, 0, 0),
            make({0, 70, 55, 40}, spread(3), E, spread(3), spread(3), 180, 78, 0),
            // ら り る れ ろ
            make(Tov, {8, 0, 0, -6}, {-15, 5, 0, -26}, F, F, -15, 0, 0),
            make(Tov, spread(8), spread(8), F, F, 0, 0, 0, -5, 5),
            make({70, 0, 0, 0}, spread(8), spread(8), F, F, 0, 0, 0),
            make({90, 0, 0, 0}, E, F, F, F, 0, 0, 0),
            // Turned well toward the little-finger side so the square hook of
            // index and middle shows in profile, the two fingertips side by side.
            make(Tside, {0, 95, 85, 3}, {0, 95, 85, -3}, F, F, 55, 0, 0),
            // わ を ん
            make(Tov, spread(10), E, spread(10), F, 0, 0, 0),
            o,
            make(Tpoint, E, F, F, F, -90, -70, 10, -8, 23),
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
