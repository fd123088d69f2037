// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board.h"

#include <algorithm>
#include <stdexcept>

namespace board {

namespace {

// What one action does on its deck: beads `first` .. `last` (in BeadKind order) go to `place`,
// and the deck's value becomes `deckValue`.
struct DeckAction
{
    BeadKind first;
    BeadKind last;
    Place place;
    std::int16_t deckValue;
};

struct Rule
{
    BeadKind bead;
    DeckAction press;
    DeckAction click;
};

using enum BeadKind;
using enum Place;

// A press sends the bead and every bead on its far side to rest; a click brings the bead and
// every bead between it and the beam to the beam.
constexpr std::array<Rule, BeadKindCount> Rules{{
    //        press: to rest, value      click: to the beam, value
    {Lower1, {Lower1, Lower1, Rest, 4}, {Lower1, Lower5, Counted, 5}},
    {Lower2, {Lower1, Lower2, Rest, 3}, {Lower2, Lower5, Counted, 4}},
    {Lower3, {Lower1, Lower3, Rest, 2}, {Lower3, Lower5, Counted, 3}},
    {Lower4, {Lower1, Lower4, Rest, 1}, {Lower4, Lower5, Counted, 2}},
    {Lower5, {Lower1, Lower5, Rest, 0}, {Lower5, Lower5, Counted, 1}},
    {Outer, {Outer, Outer, Rest, 5}, {Outer, Inner, Counted, 10}},
    {Inner, {Outer, Inner, Rest, 0}, {Inner, Inner, Counted, 5}},
}};

void checkRod(int rod)
{
    if (rod < 0 || rod >= RodCount)
        throw std::out_of_range("rod out of range");
}

} // namespace

int numberOf(Bead bead)
{
    checkRod(bead.rod);
    switch (deckOf(bead.kind)) {
    case Deck::Lower:
        return LowerBeadCount * bead.rod + static_cast<int>(bead.kind) + 1;
    case Deck::Upper:
        return 76 + 2 * bead.rod + (bead.kind == Inner ? 1 : 0);
    }
    return 0;
}

bool Moves::contains(Bead bead) const
{
    return std::any_of(begin(), end(), [bead](const BeadMove &move) { return move.bead == bead; });
}

Bead neighbour(Bead bead, Step step)
{
    checkRod(bead.rod);
    const auto row =
        int(std::find(TopToBottom.begin(), TopToBottom.end(), bead.kind) - TopToBottom.begin());
    switch (step) {
    case Step::Left:
        return {std::min(bead.rod + 1, RodCount - 1), bead.kind};
    case Step::Right:
        return {std::max(bead.rod - 1, 0), bead.kind};
    case Step::Up:
        return {bead.rod, TopToBottom[std::max(row - 1, 0)]};
    case Step::Down:
        return {bead.rod, TopToBottom[std::min(row + 1, BeadKindCount - 1)]};
    }
    return bead;
}

std::int32_t Board::total() const
{
    std::int16_t sum = 0;
    for (std::int16_t value : m_rodValue)
        sum = static_cast<std::int16_t>(sum + value);
    return sum;
}

Place Board::place(Bead bead) const
{
    checkRod(bead.rod);
    return m_places[bead.rod][static_cast<int>(bead.kind)];
}

Moves Board::act(Bead bead, Gesture gesture)
{
    checkRod(bead.rod);
    const Rule &rule = Rules[static_cast<int>(bead.kind)];
    const DeckAction &action = gesture == Gesture::Press ? rule.press : rule.click;
    const bool upper = deckOf(bead.kind) == Deck::Upper;
    std::int16_t &deckValue = upper ? m_upperValue[bead.rod] : m_lowerValue[bead.rod];
    const std::int16_t otherValue = upper ? m_lowerValue[bead.rod] : m_upperValue[bead.rod];

    Moves moves;
    for (int k = static_cast<int>(action.first); k <= static_cast<int>(action.last); ++k) {
        Place &place = m_places[bead.rod][k];
        if (place != action.place) {
            place = action.place;
            moves.add({{bead.rod, static_cast<BeadKind>(k)}, place});
        }
    }

    deckValue =
        gesture == Gesture::Press ? std::min(deckValue, action.deckValue) : action.deckValue;
    m_rodValue[bead.rod] = static_cast<std::int16_t>(otherValue + deckValue);
    return moves;
}

} // namespace board
