#pragma once

#include <array>
#include <cstdint>

// The counting frame's rules, free of any widget: how the 105 bead images map to rods and
// beads, where each bead stands at rest and at the beam, and what a press or a click on a
// bead does to the beads of its deck and to the rod's values.
namespace board {

inline constexpr int RodCount = 15;
inline constexpr int ImageCount = 105;
inline constexpr int LowerBeadCount = 5;

// The seven beads of a rod. Lower1 is the bottom bead and Lower5 the one next to the beam;
// Outer is the top bead of the upper deck and Inner the one next to the beam.
enum class BeadKind : std::uint8_t
{
    Lower1,
    Lower2,
    Lower3,
    Lower4,
    Lower5,
    Outer,
    Inner
};
inline constexpr int BeadKindCount = 7;

enum class Deck : std::uint8_t
{
    Lower,
    Upper
};
enum class Gesture : std::uint8_t
{
    Press,
    Click
};
enum class Place : std::uint8_t
{
    Rest,
    Counted
};

struct Bead
{
    int rod; // 0 is the rightmost rod, 14 the leftmost
    BeadKind kind;
    friend bool operator==(const Bead &, const Bead &) = default;
};

constexpr Deck deckOf(BeadKind kind)
{
    return kind >= BeadKind::Outer ? Deck::Upper : Deck::Lower;
}

// A rod's seven beads as they stand from the top of the frame to the bottom.
inline constexpr std::array<BeadKind, BeadKindCount> TopToBottom{
    BeadKind::Outer,  BeadKind::Inner,  BeadKind::Lower5, BeadKind::Lower4,
    BeadKind::Lower3, BeadKind::Lower2, BeadKind::Lower1};

// A step of the keyboard focus between beads: Left and Right to the same bead of the rod beside
// it as seen (rod 14 is the leftmost), Up and Down to the bead above or below it on its rod,
// across the beam. A step off the edge of the frame stays on the bead.
enum class Step : std::uint8_t
{
    Left,
    Right,
    Up,
    Down
};
Bead neighbour(Bead bead, Step step);

// Image numbers run 1..105: lower bead k of rod r is 5r + k, the outer bead 76 + 2r and the
// inner bead 77 + 2r.
Bead beadOfImage(int image);
int imageOf(Bead bead);

// Top edges in twips. Lower bead k rests at 4920 - 240(k - 1) and counts at 3000 - 240(k - 1);
// the upper beads rest against the top of the frame and count against the beam.
struct BeadPlaces
{
    float rest;
    float counted;
};
inline constexpr std::array<BeadPlaces, BeadKindCount> PlacesOfKind{{
    {4920, 3000}, // lower bead 1 (bottom)
    {4680, 2760}, // lower bead 2
    {4440, 2520}, // lower bead 3
    {4200, 2280}, // lower bead 4
    {3960, 2040}, // lower bead 5 (next to the beam)
    {240, 1320},  // outer bead
    {480, 1560},  // inner bead (next to the beam)
}};

constexpr float topOf(BeadKind kind, Place place)
{
    const BeadPlaces &places = PlacesOfKind[static_cast<int>(kind)];
    return place == Place::Rest ? places.rest : places.counted;
}

// Left edge of every bead image of a rod, in twips.
constexpr int beadLeft(int rod)
{
    return 7200 - 480 * rod;
}
inline constexpr int BeadSize = 495;

struct BeadMove
{
    int image;
    float top;
    friend bool operator==(const BeadMove &, const BeadMove &) = default;
};

// The beads one action moves: at most the five beads of a lower deck.
class Moves
{
public:
    void add(BeadMove move) { m_items[m_count++] = move; }
    const BeadMove *begin() const { return m_items.data(); }
    const BeadMove *end() const { return m_items.data() + m_count; }

private:
    std::array<BeadMove, LowerBeadCount> m_items{};
    int m_count = 0;
};

// The rod values of one counting frame. They are stored, never recomputed from where the beads
// stand: the bead actions are their only writers.
class Board
{
public:
    std::int16_t UpperValue(int rod) const { return m_upperValue.at(rod); }
    std::int16_t LowerValue(int rod) const { return m_lowerValue.at(rod); }
    std::int16_t RodValue(int rod) const { return m_rodValue.at(rod); }

    // The plain sum of the 15 rod values, 0..225.
    std::int32_t total() const;

    // Runs the press or click action of a bead image: writes the deck's and the rod's new
    // values and returns the beads to move. A press on a bead at rest moves nothing and keeps
    // the deck's value, so the read-out never shows a count that the beads do not show.
    Moves act(int image, Gesture gesture);

private:
    std::array<std::int16_t, RodCount> m_upperValue{};
    std::array<std::int16_t, RodCount> m_lowerValue{};
    std::array<std::int16_t, RodCount> m_rodValue{};
};

} // namespace board
