// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <stdexcept>

namespace board::practice {

namespace {

constexpr int MaxRodValue = 15;
constexpr int MaxAnswerDigits = 8;

// One draw in lo..hi, the same for a seed wherever libstdc++ runs.
int draw(std::mt19937 &random, int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(random);
}

// The digit's value in base 10 or 16, or -1: ASCII only, whatever the locale.
int digitValue(char c, int base)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A total spread over k rods chosen at random, each of them given 1..15. Each rod's share is
// drawn in the range that still lets the rods after it take the rest.
std::array<std::int16_t, RodCount> drawFrame(std::mt19937 &random, int total, int rods)
{
    std::array<int, RodCount> order{};
    std::iota(order.begin(), order.end(), 0);
    std::array<std::int16_t, RodCount> values{};
    int rest = total;
    for (int i = 0; i < rods; ++i) {
        std::swap(order[i], order[draw(random, i, RodCount - 1)]);
        const int after = rods - i - 1;
        const int value = draw(random, std::max(1, rest - MaxRodValue * after),
                               std::min(MaxRodValue, rest - after));
        values[order[i]] = static_cast<std::int16_t>(value);
        rest -= value;
    }
    return values;
}

} // namespace

int rodsAtLevel(int level)
{
    if (level < 1 || level > MaxRodValue * RodCount)
        throw std::out_of_range("level out of range");
    return (level + MaxRodValue - 1) / MaxRodValue;
}

std::vector<Bead> beadsForValue(int rod, int value)
{
    if (rod < 0 || rod >= RodCount || value < 0 || value > MaxRodValue)
        throw std::out_of_range("rod or value out of range");
    std::vector<Bead> beads;
    const int upper = value >= 10 ? 10 : value >= 5 ? 5 : 0;
    if (upper > 0)
        beads.push_back({rod, upper == 10 ? BeadKind::Outer : BeadKind::Inner});
    // A click on lower bead k brings it and the beads above it: Lower5 brings 1, Lower1 all five.
    if (const int lower = value - upper; lower > 0)
        beads.push_back({rod, BeadKind(LowerBeadCount - lower)});
    return beads;
}

std::optional<int> readAnswer(std::string_view typed, int base)
{
    if (base != 10 && base != 16)
        throw std::invalid_argument("base must be 10 or 16");
    while (!typed.empty() && isBlank(typed.front()))
        typed.remove_prefix(1);
    while (!typed.empty() && isBlank(typed.back()))
        typed.remove_suffix(1);
    if (typed.empty() || typed.size() > MaxAnswerDigits)
        return std::nullopt;
    long long value = 0;
    for (const char c : typed) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
    }
    if (value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

Practice::Practice(std::uint32_t seed) : m_random(seed) {}

const Task &Practice::next(Exercise exercise, int level)
{
    if (std::find(Levels.begin(), Levels.end(), level) == Levels.end())
        throw std::invalid_argument("not a practice level");
    if (m_open)
        finish(false);
    Task task;
    do {
        task = Task{exercise, draw(m_random, 1, level), {}};
        if (exercise == Exercise::ReadFrame) {
            const int fewest = rodsAtLevel(task.number); // the rods that can hold the total
            const int rods = draw(m_random, fewest, std::min(rodsAtLevel(level), task.number));
            task.rodValues = drawFrame(m_random, task.number, rods);
        }
    } while (task == m_task);
    m_task = task;
    m_open = true;
    m_tries = 0;
    return m_task;
}

Verdict Practice::check(std::optional<int> answer)
{
    Verdict verdict = Verdict::NotYet;
    if (m_task.exercise == Exercise::ShowNumber) {
        const int shown = answer.value_or(0);
        verdict = shown == m_task.number  ? Verdict::Right
                  : shown < m_task.number ? Verdict::NeedsMore
                                          : Verdict::NeedsFewer;
    } else if (answer == m_task.number) {
        verdict = Verdict::Right;
    }
    if (m_open) {
        if (verdict == Verdict::Right)
            finish(true);
        else
            ++m_tries;
    }
    return verdict;
}

void Practice::showMe()
{
    if (m_open)
        finish(false);
}

void Practice::finish(bool right)
{
    m_open = false;
    ++m_done;
    if (right)
        ++m_right;
}

} // namespace board::practice
