#include "entities/Scrambler.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes pseudoRandomBytes(std::size_t length, std::uint32_t seed)
{
    Bytes bytes(length);
    for (auto& byte : bytes) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(seed >> 24);
    }
    return bytes;
}

Bytes counting(std::size_t length)
{
    Bytes bytes(length);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes;
}

// Frozen outputs: a change of the key or of the sequence makes stored drawings unreadable, and these
// catch it.
TEST(ScramblerTest, ScramblesTheSmallestRecordingToKnownBytes)
{
    Bytes recording{0x01, 0x00, 0x00, 0x00, 0x06, 0x05, 0x00, 0x00, 0x00};
    Scrambler::scramble(recording);
    EXPECT_EQ(recording, (Bytes{0x8A, 0x4B, 0x7A, 0x2E, 0x8D, 0x21, 0x00, 0x5F, 0x95}));
}

TEST(ScramblerTest, ScramblesSeveralCipherBlocksAndATailToKnownBytes)
{
    Bytes bytes = counting(41);
    Scrambler::scramble(bytes);
    EXPECT_EQ(bytes, (Bytes{0x5A, 0xBF, 0xB2, 0x60, 0x16, 0x38, 0x7B, 0x85, 0xBA, 0xE2, 0x1E, 0xCB, 0x24, 0x06,
                            0x80, 0x11, 0x83, 0xBF, 0x34, 0x3E, 0xEC, 0x73, 0x52, 0x88, 0x99, 0x54, 0xA5, 0xC8,
                            0xF4, 0x7B, 0xAB, 0x1D, 0x6D, 0xEA, 0x4E, 0x08, 0xE1, 0x5D, 0x9C, 0xBA, 0x73}));
}

TEST(ScramblerTest, ScramblesWholeBlocksOnlyToKnownBytes)
{
    Bytes bytes = counting(24);
    Scrambler::scrambleStepwise(bytes);
    EXPECT_EQ(bytes, (Bytes{0x81, 0xBF, 0x46, 0xCD, 0x56, 0x08, 0xAB, 0xD6, 0x44, 0x7B, 0x0E, 0x88,
                            0x99, 0x7A, 0x35, 0x40, 0x57, 0xB7, 0x35, 0x94, 0xD2, 0xB9, 0x9F, 0xD2}));
}

TEST(ScramblerTest, FastFormMatchesTheStepwiseFormForEveryLengthUpTo4096)
{
    for (std::size_t length = 0; length <= 4096; ++length) {
        const Bytes original = pseudoRandomBytes(length, static_cast<std::uint32_t>(length));
        Bytes stepwise = original;
        Bytes fast = original;
        Scrambler::scrambleStepwise(stepwise);
        Scrambler::scramble(fast);
        ASSERT_EQ(fast, stepwise) << "length " << length;
        Scrambler::unscramble(fast);
        ASSERT_EQ(fast, original) << "length " << length;
    }
}

TEST(ScramblerTest, StepwiseUnscramblingUndoesScrambling)
{
    for (std::size_t length = 0; length <= 4096; length += length < 300 ? 1 : 97) {
        const Bytes original = pseudoRandomBytes(length, static_cast<std::uint32_t>(length) + 1);
        Bytes bytes = original;
        Scrambler::scrambleStepwise(bytes);
        Scrambler::unscrambleStepwise(bytes);
        ASSERT_EQ(bytes, original) << "length " << length;
    }
}

TEST(ScramblerTest, FastFormsUndoEachOtherOnLongBuffers)
{
    for (const std::size_t length : {std::size_t{65536}, std::size_t{65541}, std::size_t{300007}}) {
        const Bytes original = pseudoRandomBytes(length, 7);
        Bytes bytes = original;
        Scrambler::scramble(bytes);
        EXPECT_NE(bytes, original);
        Bytes stepwise = bytes;
        Scrambler::unscrambleStepwise(stepwise);
        EXPECT_EQ(stepwise, original) << "length " << length;
        Scrambler::unscramble(bytes);
        EXPECT_EQ(bytes, original) << "length " << length;
    }
}

TEST(ScramblerTest, LongRecordingsGiveTheStepwiseBytesOnEitherSideOfTheComposedFormsLimit)
{
    for (const std::size_t length :
         {std::size_t{65535}, std::size_t{65536}, std::size_t{65537}, std::size_t{131075}, std::size_t{1} << 20}) {
        const Bytes original = pseudoRandomBytes(length, static_cast<std::uint32_t>(length));
        Bytes stepwise = original;
        Bytes fast = original;
        Scrambler::scrambleStepwise(stepwise);
        Scrambler::scramble(fast);
        ASSERT_EQ(fast, stepwise) << "length " << length;
        Scrambler::unscramble(fast);
        ASSERT_EQ(fast, original) << "length " << length;
    }
}

TEST(ScramblerTest, ChangesEveryRecordingOfFiveBytesOrMore)
{
    for (std::size_t length = 5; length <= 64; ++length) {
        const Bytes original = counting(length);
        Bytes bytes = original;
        Scrambler::scramble(bytes);
        EXPECT_NE(bytes, original) << "length " << length;
    }
}

TEST(ScramblerTest, GivesTheSameBytesWhenManyLengthsCompeteForTheCache)
{
    for (int pass = 0; pass < 3; ++pass) {
        for (std::size_t length = 100; length < 200; ++length) {
            Bytes fast = pseudoRandomBytes(length, 99);
            Bytes stepwise = fast;
            Scrambler::scramble(fast);
            Scrambler::scrambleStepwise(stepwise);
            ASSERT_EQ(fast, stepwise) << "length " << length << " pass " << pass;
        }
    }
}

} // namespace
