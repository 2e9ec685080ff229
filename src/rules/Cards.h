// The 52 cards as the rules count them: card numbers 1..52 (ace to king of
// diamonds, then clubs, hearts, spades) and sets of cards as 64-bit masks,
// sixteen bits a suit with the rank as the bit, so that a shift by one is the
// next card of the suit and never crosses into another suit (bits 0, 14 and
// 15 of each suit hold no card).
#pragma once

#include <bit>
#include <cstdint>

namespace Rules {

using Mask = uint64_t;
constexpr Mask AllCards = 0x3FFE3FFE3FFE3FFEull;

constexpr bool IsCard(int card) {
    return card >= 1 && card <= 52;
}
constexpr int SuitOf(int card) { // 0..3
    return (card - 1) / 13;
}
constexpr int RankOf(int card) { // 1 (ace) .. 13 (king)
    return (card - 1) % 13 + 1;
}
constexpr Mask Bit(int card) {
    return Mask{1} << (SuitOf(card) * 16 + RankOf(card));
}
constexpr int CardAt(int bit) {
    return (bit / 16) * 13 + bit % 16;
}
constexpr int RankAt(int bit) {
    return bit % 16;
}
constexpr Mask RankMask(int rank) {
    return 0x0001000100010001ull << rank;
}
constexpr int Count(Mask m) {
#ifdef __POPCNT__
    return std::popcount(m);
#else
    // Without the instruction std::popcount calls into the runtime library;
    // the bits counted in place are several times faster.
    m -= (m >> 1) & 0x5555555555555555ull;
    m = (m & 0x3333333333333333ull) + ((m >> 2) & 0x3333333333333333ull);
    m = (m + (m >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((m * 0x0101010101010101ull) >> 56);
#endif
}
constexpr Mask Lowest(Mask m) {
    return m & (~m + 1);
}
constexpr Mask Highest(Mask m) {
    return m ? Mask{1} << (63 - std::countl_zero(m)) : 0;
}
constexpr int RankOfBit(Mask single) {
    return RankAt(std::countr_zero(single));
}
constexpr int CardOfBit(Mask single) {
    return CardAt(std::countr_zero(single));
}

} // namespace Rules
