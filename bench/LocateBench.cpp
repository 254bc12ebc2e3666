// Locate beside a plain read of the whole file into memory, on a file one byte longer than
// the known release so that the signature search runs. Two placements of the signature:
// near the end (found after the first chunk) and near the start (the whole file searched).
//
//   klarvon_bench [benchmark options]   the timings
//   klarvon_bench --locate=PATH         one Locate on PATH, for measuring peak memory

#include "table/TableLocator.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace klarvon;

constexpr std::int64_t BenchFileSize = KnownExeSize + 1;
constexpr std::int64_t NearStart = 1000;
constexpr std::int64_t NearEnd = BenchFileSize - 5000;

std::string FileNearEnd;
std::string FileNearStart;

void MakeFile(const std::string& path, std::int64_t signatureOffset) {
    std::mt19937 random(42);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(BenchFileSize));
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        const auto word = static_cast<std::uint32_t>(random());
        for (std::size_t k = 0; k < 4 && i + k < bytes.size(); ++k) {
            bytes[i + k] = static_cast<std::uint8_t>(word >> (8 * k));
        }
    }
    std::copy(TableSignature.begin(), TableSignature.end(),
              bytes.begin() + static_cast<std::ptrdiff_t>(signatureOffset));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

// What the search is measured against: the whole file read into one block.
std::vector<std::uint8_t> ReadWhole(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw std::runtime_error("cannot open " + path);
    }
    struct stat info {};
    ::fstat(fd, &info);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    bytes.resize(done);
    return bytes;
}

void PlainRead(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<std::uint8_t> bytes = ReadWhole(FileNearEnd);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * BenchFileSize);
}

void LocateIn(benchmark::State& state, const std::string& path, std::int64_t expected) {
    for (auto _ : state) {
        const TTableLocation location = TTableLocator::Locate(path);
        if (location.SignatureOffset != expected) {
            state.SkipWithError("signature not found where it was put");
            break;
        }
        benchmark::DoNotOptimize(location.SearchBase);
    }
    state.SetBytesProcessed(state.iterations() * BenchFileSize);
}

void LocateNearEnd(benchmark::State& state) {
    LocateIn(state, FileNearEnd, NearEnd);
}

void LocateNearStart(benchmark::State& state) {
    LocateIn(state, FileNearStart, NearStart);
}

BENCHMARK(PlainRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(LocateNearEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(LocateNearStart)->Unit(benchmark::kMicrosecond);

int LocateOnce(const std::string& path) {
    try {
        const TTableLocation location = TTableLocator::Locate(path);
        std::printf("size %lld, signature at %lld, %s\n", static_cast<long long>(location.FileSize),
                    static_cast<long long>(location.SignatureOffset),
                    IsRejected(location) ? "rejected" : "accepted");
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}

} // namespace

int main(int argc, char** argv) {
    constexpr std::string_view LocateOption = "--locate=";
    if (argc == 2 && std::string_view(argv[1]).starts_with(LocateOption)) {
        return LocateOnce(std::string(argv[1] + LocateOption.size()));
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    std::string folder = (std::filesystem::temp_directory_path() / "klarvon-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    FileNearEnd = folder + "/near-end.exe";
    FileNearStart = folder + "/near-start.exe";
    int result = 0;
    try {
        MakeFile(FileNearEnd, NearEnd);
        MakeFile(FileNearStart, NearStart);
        // Both files in the page cache before anything is timed.
        benchmark::DoNotOptimize(ReadWhole(FileNearEnd).size());
        benchmark::DoNotOptimize(ReadWhole(FileNearStart).size());
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        result = 1;
    }
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return result;
}
