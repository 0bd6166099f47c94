// Costs of the recording filer at save and open: recording, scrambling and chunked writing of one
// entity, the reverse, and the cipher alone. Bytes per second are the recording's bytes.
#include "../tests/support/MemoryDwgFiler.h"
#include "entities/GDwgFiler.h"
#include "entities/IdeaCipher.h"
#include "entities/Scrambler.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Records doubles and integers until the recording is exactly length bytes long.
void recordValues(GDwgFiler& filer, std::size_t length)
{
    filer.writeInt32(1);
    while (filer.buffer().size() + 9 <= length - 9)
        filer.writeDouble(static_cast<double>(filer.buffer().size()) * 0.5);
    const std::vector<unsigned char> rest(length - filer.buffer().size() - 9, 0x5A);
    filer.writeBytes(rest.data(), rest.size());
}

void BM_RecordScrambleWrite(benchmark::State& state)
{
    const auto length = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        MemoryDwgFiler real;
        real.keepCallLog(false);
        GDwgFiler filer(&real);
        filer.setScramble(true);
        recordValues(filer, length);
        benchmark::DoNotOptimize(filer.writeRecording());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * length));
}
BENCHMARK(BM_RecordScrambleWrite)->Arg(200)->Arg(64 * 1024);

void BM_ReadUnscramble(benchmark::State& state)
{
    const auto length = static_cast<std::size_t>(state.range(0));
    MemoryDwgFiler real;
    real.keepCallLog(false);
    {
        GDwgFiler writer(&real);
        writer.setScramble(true);
        recordValues(writer, length);
        writer.writeRecording();
    }
    std::vector<unsigned char> rest(length);
    for (auto _ : state) {
        real.rewind();
        GDwgFiler filer(&real);
        filer.setScramble(true);
        benchmark::DoNotOptimize(filer.readRecording());
        Adesk::Int32 first = 0;
        filer.readInt32(&first);
        double value = 0.0;
        while (filer.readDouble(&value) == Acad::eOk)
            benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(filer.readBytes(rest.data(), 0));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * length));
}
BENCHMARK(BM_ReadUnscramble)->Arg(200)->Arg(64 * 1024);

template <void (*Transform)(std::span<std::uint8_t>)> void BM_Scrambling(benchmark::State& state)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(state.range(0)), 0x42);
    for (auto _ : state) {
        Transform(bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Scrambling<&Scrambler::scramble>)->Name("BM_ScrambleComposed")->Arg(200)->Arg(64 * 1024);
BENCHMARK(BM_Scrambling<&Scrambler::scrambleStepwise>)->Name("BM_ScrambleStepwise")->Arg(200)->Arg(64 * 1024);
BENCHMARK(BM_Scrambling<&Scrambler::unscramble>)->Name("BM_UnscrambleComposed")->Arg(200)->Arg(64 * 1024);

// The raw cipher over the same bytes, at each lane width: one block at a time is the cipher as it
// stands; eight and sixteen are what the scrambling runs on SSE2 and AVX2 processors.
IdeaCipher::Lanes lanesOf(std::int64_t width)
{
    return width >= 16 ? IdeaCipher::Lanes::kSixteen : width >= 8 ? IdeaCipher::Lanes::kEight : IdeaCipher::Lanes::kOne;
}

template <bool Encrypt> void BM_Idea(benchmark::State& state)
{
    const IdeaCipher cipher(IdeaCipher::Key{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
                            lanesOf(state.range(1)));
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(state.range(0)), 0x42);
    for (auto _ : state) {
        if constexpr (Encrypt)
            cipher.encrypt(bytes);
        else
            cipher.decrypt(bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Idea<true>)->Name("BM_IdeaEncrypt")->ArgsProduct({{200, 64 * 1024}, {1, 8, 16}});
BENCHMARK(BM_Idea<false>)->Name("BM_IdeaDecrypt")->ArgsProduct({{64 * 1024}, {1, 8, 16}});

} // namespace
