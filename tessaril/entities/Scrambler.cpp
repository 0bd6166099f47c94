#include "Scrambler.h"

#include "IdeaCipher.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// The key of the cipher step. Changing it makes every drawing protected before unreadable.
constexpr IdeaCipher::Key kScrambleKey{0x5A, 0x3C, 0x96, 0xE1, 0x0F, 0x7B, 0xC2, 0x48,
                                       0xD3, 0x81, 0x26, 0xAF, 0x64, 0x19, 0xBE, 0x57};

const IdeaCipher& scrambleCipher()
{
    static const IdeaCipher cipher(kScrambleKey);
    return cipher;
}

enum class Op : std::uint8_t { RotateInvert, Rotate, Regroup, MoveFirstToEnd, Encrypt };

struct Step {
    Op op;
    std::uint8_t arg;
};

// C(m): byte i rotated left by (i + 1) mod m, then inverted. B(m): the same without the inversion.
// G(k): in every group of k + 1 bytes the first byte moves to the group's end. R: the first byte moves
// to the end. IDEA: every whole 8-byte block encrypted.
constexpr Step C(std::uint8_t m)
{
    return {Op::RotateInvert, m};
}
constexpr Step B(std::uint8_t m)
{
    return {Op::Rotate, m};
}
constexpr Step G(std::uint8_t k)
{
    return {Op::Regroup, k};
}
constexpr Step R{Op::MoveFirstToEnd, 0};
constexpr Step IDEA{Op::Encrypt, 0};

// clang-format off
constexpr std::array kSequence{
    C(6), R, G(5), C(3), R, G(9),
    IDEA,
    B(5), C(3), R, G(7), C(5), R, G(19), C(7), R, B(4), G(25), C(3), R, B(3), G(13), C(4), R, B(6), G(10),
    C(6), R, G(18), C(5), R, G(35), C(8), R, B(7), G(29), C(3), R, G(35), C(4), B(6), R, G(47), C(5), R,
    G(65), C(2), R, G(28), C(7), B(4), R, G(2), B(4), G(10), C(6), R, G(18)};
// clang-format on

constexpr std::size_t kCipherStep = static_cast<std::size_t>(
    std::find_if(kSequence.begin(), kSequence.end(), [](Step s) { return s.op == Op::Encrypt; }) - kSequence.begin());
static_assert(kCipherStep < kSequence.size());
static_assert(std::count_if(kSequence.begin(), kSequence.end(), [](Step s) { return s.op == Op::Encrypt; }) == 1,
              "the composed form relies on exactly one cipher step");

constexpr std::span<const Step> kBeforeCipher{kSequence.data(), kCipherStep};
constexpr std::span<const Step> kAfterCipher{kSequence.data() + kCipherStep + 1, kSequence.size() - kCipherStep - 1};

std::uint8_t rotateLeft(std::uint8_t value, unsigned places)
{
    places &= 7u;
    return static_cast<std::uint8_t>(value << places | value >> ((8u - places) & 7u));
}

std::uint8_t rotateRight(std::uint8_t value, unsigned places)
{
    return rotateLeft(value, 8u - (places & 7u));
}

// Applies one keyless step. The bit transform is passed in, so that the same step moves real bytes in
// the step-by-step form and symbolic positions when the composed form is built.
template <class T, class Transform> void applyStep(Step step, std::span<T> span, Transform transform)
{
    const std::size_t n = span.size();
    T* items = span.data();
    switch (step.op) {
    case Op::RotateInvert:
    case Op::Rotate: {
        const bool invert = step.op == Op::RotateInvert;
        unsigned rotation = 1 % step.arg;
        for (std::size_t i = 0; i < n; ++i) {
            transform(items[i], rotation, invert);
            if (++rotation == step.arg)
                rotation = 0;
        }
        break;
    }
    case Op::Regroup:
        for (std::size_t first = 0; first < n; first += step.arg + 1u) {
            const std::size_t last = std::min(n, first + step.arg + 1u);
            const T head = items[first];
            for (std::size_t i = first; i + 1 < last; ++i)
                items[i] = items[i + 1];
            items[last - 1] = head;
        }
        break;
    case Op::MoveFirstToEnd:
        if (n > 1)
            std::rotate(items, items + 1, items + n);
        break;
    case Op::Encrypt:
        break;
    }
}

void transformByte(std::uint8_t& value, unsigned rotation, bool invert)
{
    value = rotateLeft(value, rotation);
    if (invert)
        value = static_cast<std::uint8_t>(~value);
}

void applyInverseStep(Step step, std::span<std::uint8_t> span)
{
    const std::size_t n = span.size();
    std::uint8_t* bytes = span.data();
    switch (step.op) {
    case Op::RotateInvert:
    case Op::Rotate: {
        const std::uint8_t mask = step.op == Op::RotateInvert ? 0xFF : 0x00;
        unsigned rotation = 1 % step.arg;
        for (std::size_t i = 0; i < n; ++i) {
            bytes[i] = rotateRight(static_cast<std::uint8_t>(bytes[i] ^ mask), rotation);
            if (++rotation == step.arg)
                rotation = 0;
        }
        break;
    }
    case Op::Regroup:
        for (std::size_t first = 0; first < n; first += step.arg + 1u) {
            const std::size_t last = std::min(n, first + step.arg + 1u);
            const std::uint8_t tail = bytes[last - 1];
            for (std::size_t i = last - 1; i > first; --i)
                bytes[i] = bytes[i - 1];
            bytes[first] = tail;
        }
        break;
    case Op::MoveFirstToEnd:
        if (n > 1)
            std::rotate(bytes, bytes + n - 1, bytes + n);
        break;
    case Op::Encrypt:
        scrambleCipher().decrypt(span);
        break;
    }
}

// Rotations and inversion commute, so any chain of byte steps ends as one left rotation (bits 0-2 of a
// code) followed by an optional inversion (bit 3).
constexpr std::size_t kCodeCount = 16;
using ByteTable = std::array<std::array<std::uint8_t, 256>, kCodeCount>;

std::uint8_t composeCode(std::uint8_t code, unsigned rotation, bool invert)
{
    return static_cast<std::uint8_t>(((code + rotation) & 7u) | ((code & 8u) ^ (invert ? 8u : 0u)));
}

ByteTable makeTable(bool inverse)
{
    ByteTable table{};
    for (std::size_t code = 0; code < kCodeCount; ++code) {
        for (unsigned value = 0; value < 256; ++value) {
            auto byte = static_cast<std::uint8_t>(value);
            const unsigned rotation = code & 7u;
            const bool invert = (code & 8u) != 0;
            if (inverse)
                byte = rotateRight(invert ? static_cast<std::uint8_t>(~byte) : byte, rotation);
            else
                transformByte(byte, rotation, invert);
            table[code][value] = byte;
        }
    }
    return table;
}

const ByteTable& forwardTable()
{
    static const ByteTable table = makeTable(false);
    return table;
}

const ByteTable& inverseTable()
{
    static const ByteTable table = makeTable(true);
    return table;
}

// Where each position of the cipher's input comes from and where the cipher's output at that position
// goes: an entry packs a byte position (bits 4 and up) and the code applied on the way (bits 0-3), so
// that the passes stream through four bytes per position.
struct Plan {
    std::vector<std::uint32_t> gather;
    std::vector<std::uint32_t> scatter;
};

// A plan costs about twenty-four bytes per position to build and eight to keep, so only recordings up to
// this length take the composed form; longer ones are scrambled in place, step by step.
constexpr std::size_t kMaxPlanLength = std::size_t{1} << 16;
constexpr unsigned kCodeBits = 4;
static_assert(kMaxPlanLength <= std::size_t{1} << (32 - kCodeBits), "a route packs a position and a code");

constexpr std::uint32_t packRoute(std::size_t position, std::uint8_t code)
{
    return static_cast<std::uint32_t>(position) << kCodeBits | code;
}

struct Symbol {
    std::uint32_t position;
    std::uint8_t code;
};

std::vector<Symbol> composeSteps(std::span<const Step> steps, std::size_t length)
{
    std::vector<Symbol> symbols(length);
    for (std::size_t i = 0; i < length; ++i)
        symbols[i] = {static_cast<std::uint32_t>(i), 0};
    for (const Step step : steps) {
        applyStep(step, std::span<Symbol>(symbols), [](Symbol& symbol, unsigned rotation, bool invert) {
            symbol.code = composeCode(symbol.code, rotation, invert);
        });
    }
    return symbols;
}

std::shared_ptr<const Plan> buildPlan(std::size_t length)
{
    auto plan = std::make_shared<Plan>();
    plan->gather.resize(length);
    plan->scatter.resize(length);
    const std::vector<Symbol> before = composeSteps(kBeforeCipher, length);
    const std::vector<Symbol> after = composeSteps(kAfterCipher, length);
    for (std::size_t p = 0; p < length; ++p)
        plan->gather[p] = packRoute(before[p].position, before[p].code);
    for (std::size_t j = 0; j < length; ++j)
        plan->scatter[after[j].position] = packRoute(j, after[j].code);
    return plan;
}

// Recently used plans by length. Building a plan costs several scramblings of that length, and the
// recordings of a drawing come in a few hundred lengths, so a cache bounded in count and in total
// positions keeps them.
class PlanCache {
public:
    std::shared_ptr<const Plan> planFor(std::size_t length)
    {
        {
            const std::lock_guard lock(m_mutex);
            if (const auto found = m_byLength.find(length); found != m_byLength.end()) {
                m_recent.splice(m_recent.begin(), m_recent, found->second);
                return found->second->second;
            }
        }
        std::shared_ptr<const Plan> plan = buildPlan(length);
        const std::lock_guard lock(m_mutex);
        if (!m_byLength.contains(length)) {
            m_recent.emplace_front(length, plan);
            m_byLength.emplace(length, m_recent.begin());
            m_positions += length;
            while (m_recent.size() > kMaxCachedPlans || m_positions > kMaxCachedPositions) {
                m_positions -= m_recent.back().first;
                m_byLength.erase(m_recent.back().first);
                m_recent.pop_back();
            }
        }
        return plan;
    }

private:
    static constexpr std::size_t kMaxCachedPlans = 1024;
    static constexpr std::size_t kMaxCachedPositions = std::size_t{1} << 21;

    using Recent = std::list<std::pair<std::size_t, std::shared_ptr<const Plan>>>;
    std::mutex m_mutex;
    Recent m_recent;
    std::unordered_map<std::size_t, Recent::iterator> m_byLength;
    std::size_t m_positions = 0;
};

PlanCache& planCache()
{
    static PlanCache cache;
    return cache;
}

std::vector<std::uint8_t>& scratchBuffer(std::size_t length)
{
    thread_local std::vector<std::uint8_t> scratch;
    scratch.resize(length);
    return scratch;
}

// One byte through a packed route: the code picks the row of the table.
std::uint8_t routed(const ByteTable& table, std::uint32_t route, std::uint8_t value)
{
    return table[route & ((1u << kCodeBits) - 1)][value];
}

// Both directions make three passes: gather the cipher's input through the composed byte steps, run
// the cipher over all whole blocks at once, and scatter its output through the other steps.
template <bool Forward> void runPlan(std::span<std::uint8_t> bytes)
{
    const std::size_t n = bytes.size();
    const std::shared_ptr<const Plan> plan = planCache().planFor(n);
    const std::uint32_t* into = (Forward ? plan->gather : plan->scatter).data();
    const std::uint32_t* outOf = (Forward ? plan->scatter : plan->gather).data();
    const ByteTable& table = Forward ? forwardTable() : inverseTable();
    std::vector<std::uint8_t>& middle = scratchBuffer(n);
    std::uint8_t* data = bytes.data();
    for (std::size_t p = 0; p < n; ++p)
        middle[p] = routed(table, into[p], data[into[p] >> kCodeBits]);
    if constexpr (Forward)
        scrambleCipher().encrypt(middle);
    else
        scrambleCipher().decrypt(middle);
    for (std::size_t p = 0; p < n; ++p)
        data[outOf[p] >> kCodeBits] = routed(table, outOf[p], middle[p]);
}

} // namespace

void Scrambler::scramble(std::span<std::uint8_t> bytes)
{
    if (bytes.size() > kMaxPlanLength)
        scrambleStepwise(bytes);
    else if (!bytes.empty())
        runPlan<true>(bytes);
}

void Scrambler::unscramble(std::span<std::uint8_t> bytes)
{
    if (bytes.size() > kMaxPlanLength)
        unscrambleStepwise(bytes);
    else if (!bytes.empty())
        runPlan<false>(bytes);
}

void Scrambler::scrambleStepwise(std::span<std::uint8_t> bytes)
{
    for (const Step step : kSequence) {
        if (step.op == Op::Encrypt)
            scrambleCipher().encrypt(bytes);
        else
            applyStep(step, bytes, transformByte);
    }
}

void Scrambler::unscrambleStepwise(std::span<std::uint8_t> bytes)
{
    for (auto step = kSequence.rbegin(); step != kSequence.rend(); ++step)
        applyInverseStep(*step, bytes);
}
