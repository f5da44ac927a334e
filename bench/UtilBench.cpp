// Benchmarks of the utility library: clsCrc against zlib's crc32 on the same buffers, and DS2's transforms and
// hex conversion over a range of sizes (the ratios between sizes show whether they stay linear).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <zlib.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "util/DS2.h"
#include "util/clsCrc.h"

namespace {

std::vector<std::uint8_t> RandomBytes(std::size_t n) {
    std::mt19937 random(12345);
    std::vector<std::uint8_t> bytes(n);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    return bytes;
}

std::string RandomText(std::size_t n) {
    const auto bytes = RandomBytes(n);
    return std::string(bytes.begin(), bytes.end());
}

void CrcSizes(benchmark::internal::Benchmark* b) {
    for (const long n : {4L << 10, 64L << 10, 1L << 20, 16L << 20}) b->Arg(n);
}

void CipherSizes(benchmark::internal::Benchmark* b) {
    b->RangeMultiplier(4)->Range(1 << 10, 16 << 20);
}

void BM_Crc32(benchmark::State& state) {
    const auto buffer = RandomBytes(static_cast<std::size_t>(state.range(0)));
    const plivant::clsCrc crc;
    for (auto _ : state) benchmark::DoNotOptimize(crc.CRC32(buffer, static_cast<std::int32_t>(buffer.size()), 0));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_ZlibCrc32(benchmark::State& state) {
    const auto buffer = RandomBytes(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(::crc32(0, buffer.data(), static_cast<uInt>(buffer.size())));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_Ds2Encrypt(benchmark::State& state) {
    const std::string text = RandomText(static_cast<std::size_t>(state.range(0)));
    plivant::DS2 cipher;
    for (auto _ : state) benchmark::DoNotOptimize(cipher.EncryptString(text, "benchmark key"));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_Ds2Decrypt(benchmark::State& state) {
    plivant::DS2 cipher;
    const std::string secret = cipher.EncryptString(RandomText(static_cast<std::size_t>(state.range(0))), "key");
    for (auto _ : state) {
        std::string text = secret;
        benchmark::DoNotOptimize(cipher.DecryptString(text, "key"));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_EnHex(benchmark::State& state) {
    const std::string text = RandomText(static_cast<std::size_t>(state.range(0)));
    plivant::DS2 cipher;
    for (auto _ : state) benchmark::DoNotOptimize(cipher.EnHex(text));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_Crc32)->Apply(CrcSizes);
BENCHMARK(BM_ZlibCrc32)->Apply(CrcSizes);
BENCHMARK(BM_Ds2Encrypt)->Apply(CipherSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ds2Decrypt)->Apply(CipherSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EnHex)->Apply(CipherSizes)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    // Every size gets its memory from the same reused heap. Left alone, glibc maps outputs above its 32 MiB
    // ceiling afresh on each call and has the kernel zero them, which smaller sizes never pay: the ratios
    // between sizes would then measure the allocator rather than the code.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
