#pragma once
// The deal's random source: the runtime library's rand() generator, as a small
// object of our own so that every platform deals the same board for a seed.

#include <cstdint>
#include <string>

class CRandom {
public:
    void Seed(std::uint32_t seed) { m_state = seed; }
    // 0..32767, the same sequence as the C runtime's rand().
    int Next()
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }
    // One draw reduced to 0..n-1.
    int Below(int n) { return Next() % n; }

private:
    std::uint32_t m_state = 1;
};

// Each deal seeds from this source: the current time in whole seconds, unless a
// test has installed another source.
using DealSeedSource = std::uint32_t (*)();
std::uint32_t DealSeed();
void SetDealSeedSource(DealSeedSource source); // nullptr restores the clock

// A deal number as the player types it: decimal digits only, 0 to 4294967295.
bool ParseDealNumber(const std::string& text, std::uint32_t& number);
// The deal of a local date, the same for every player on that day: its digits
// YYYYMMDD (9 December 2026 is deal 20261209). False for fields that name no
// date of the years 1 to 9999.
bool DealOfTheDay(int year, int month, int day, std::uint32_t& number);
