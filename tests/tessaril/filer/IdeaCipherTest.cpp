#include "entities/IdeaCipher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> fromHex(const std::string& hex)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

IdeaCipher::Key keyFromHex(const std::string& hex)
{
    IdeaCipher::Key key{};
    const std::vector<std::uint8_t> bytes = fromHex(hex);
    std::copy(bytes.begin(), bytes.end(), key.begin());
    return key;
}

struct Vector {
    const char* key;
    const char* plain;
    const char* cipher;
};

class IdeaVectorTest : public testing::TestWithParam<Vector> {};

// Published test vectors of the cipher (its designers' example, and NESSIE-style single-bit cases).
INSTANTIATE_TEST_SUITE_P(
    Published, IdeaVectorTest,
    testing::Values(Vector{"00010002000300040005000600070008", "0000000100020003", "11FBED2B01986DE5"},
                    Vector{"00010002000300040005000600070008", "0102030405060708", "540E5FEA18C2F8B1"},
                    Vector{"00010002000300040005000600070008", "0019324B647D96AF", "9F0A0AB6E10CED78"},
                    Vector{"80000000000000000000000000000000", "0000000000000000", "B1F5F7F87901370F"},
                    Vector{"00000000000000000000000000000000", "8000000000000000", "8001000180008000"},
                    Vector{"3A984E2000195DB32EE501C8C47CEA60", "0102030405060708", "97BCD8200780DA86"},
                    Vector{"006400C8012C019001F4025802BC0320", "05320A6414C819FA", "65BE87E7A2538AED"}));

TEST_P(IdeaVectorTest, EncryptsToThePublishedCipherText)
{
    const IdeaCipher cipher(keyFromHex(GetParam().key));
    std::vector<std::uint8_t> block = fromHex(GetParam().plain);
    cipher.encryptBlock(block.data());
    EXPECT_EQ(block, fromHex(GetParam().cipher));
}

TEST_P(IdeaVectorTest, DecryptsThePublishedCipherText)
{
    const IdeaCipher cipher(keyFromHex(GetParam().key));
    std::vector<std::uint8_t> block = fromHex(GetParam().cipher);
    cipher.decryptBlock(block.data());
    EXPECT_EQ(block, fromHex(GetParam().plain));
}

TEST(IdeaCipherTest, DecryptionUndoesEncryptionForAnyKeyAndBlock)
{
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<std::uint8_t>(seed >> 16);
    };
    for (int round = 0; round < 200; ++round) {
        IdeaCipher::Key key{};
        for (auto& byte : key)
            byte = next();
        std::vector<std::uint8_t> block(8);
        for (auto& byte : block)
            byte = next();
        const std::vector<std::uint8_t> original = block;
        const IdeaCipher cipher(key);
        cipher.encryptBlock(block.data());
        EXPECT_NE(block, original);
        cipher.decryptBlock(block.data());
        EXPECT_EQ(block, original);
    }
}

TEST(IdeaCipherTest, EncryptsWholeBlocksAndLeavesTheTailAlone)
{
    const IdeaCipher cipher(keyFromHex("00010002000300040005000600070008"));
    std::vector<std::uint8_t> bytes = fromHex("00000001000200030000000100020003AABBCC");
    cipher.encrypt(bytes);
    EXPECT_EQ(bytes, fromHex("11FBED2B01986DE511FBED2B01986DE5AABBCC"));
    cipher.decrypt(bytes);
    EXPECT_EQ(bytes, fromHex("00000001000200030000000100020003AABBCC"));
}

// Buffers are encrypted several blocks at a time; each block must still come out as on its own, at every
// lane width, whatever the number of blocks and the tail, and with the zero words that stand for 2^16.
class IdeaLanesTest : public testing::TestWithParam<IdeaCipher::Lanes> {};

INSTANTIATE_TEST_SUITE_P(Widths, IdeaLanesTest,
                         testing::Values(IdeaCipher::Lanes::kOne, IdeaCipher::Lanes::kEight,
                                         IdeaCipher::Lanes::kSixteen));

TEST_P(IdeaLanesTest, BufferEncryptionMatchesBlockByBlockEncryption)
{
    for (const char* key : {"3A984E2000195DB32EE501C8C47CEA60", "00000000000000000000000000000000"})
        for (std::size_t length = 0; length <= 37 * 8 + 5; ++length) {
            const IdeaCipher cipher(keyFromHex(key), GetParam());
            std::vector<std::uint8_t> bytes(length);
            for (std::size_t i = 0; i < length; ++i)
                bytes[i] = (i / 2) % 3 == 0 ? 0 : static_cast<std::uint8_t>(i * 37 + length);
            std::vector<std::uint8_t> expected = bytes;
            for (std::size_t at = 0; at + 8 <= length; at += 8)
                cipher.encryptBlock(expected.data() + at);
            std::vector<std::uint8_t> actual = bytes;
            cipher.encrypt(actual);
            ASSERT_EQ(actual, expected) << "length " << length;
            cipher.decrypt(actual);
            ASSERT_EQ(actual, bytes) << "length " << length;
        }
}

TEST(IdeaCipherTest, LeavesABufferShorterThanABlockAlone)
{
    const IdeaCipher cipher(keyFromHex("00010002000300040005000600070008"));
    std::vector<std::uint8_t> bytes = fromHex("01020304050607");
    cipher.encrypt(bytes);
    EXPECT_EQ(bytes, fromHex("01020304050607"));
}

} // namespace
