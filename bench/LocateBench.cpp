// Locate beside a plain read of the same file, as `cat` reads it (128 KiB at a time into one
// buffer), in the same run. Files one byte longer than the known release (so that the
// signature search runs) and of 256 MiB, each with the signature near the end (found in
// the first chunk) and near the start (the whole file searched). The page cache is warm:
// every file is read once before anything is timed. The ratios to the plain read close
// the output.
//
//   klarvon_bench [benchmark options]   the timings and the ratios
//   klarvon_bench --locate=PATH         one Locate on PATH, for measuring peak memory

#include "table/RecordFile.h"
#include "table/TableLocator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace klarvon;

constexpr std::int64_t SmallFileSize = KnownExeSize + 1;
constexpr std::int64_t LargeFileSize = std::int64_t{256} << 20;
constexpr std::int64_t NearStart = 1000;
constexpr std::int64_t EndDistance = 5000;
constexpr std::size_t CatBufferSize = std::size_t{128} << 10;
// Chunk sizes tried for the file search beside the one Locate uses.
constexpr std::size_t ChunkSizes[] = {std::size_t{64} << 10,  std::size_t{256} << 10,
                                      std::size_t{512} << 10, std::size_t{1} << 20,
                                      std::size_t{2} << 20,   std::size_t{4} << 20};

struct TBenchFile {
    std::string Label; // "14MB" or "256MiB"
    std::int64_t Size;
    std::string NearStartPath;
    std::string NearEndPath;
};

std::vector<std::uint8_t> RandomBytes(std::int64_t size) {
    std::mt19937 random(42);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        const auto word = static_cast<std::uint32_t>(random());
        for (std::size_t k = 0; k < 4 && i + k < bytes.size(); ++k) {
            bytes[i + k] = static_cast<std::uint8_t>(word >> (8 * k));
        }
    }
    return bytes;
}

void WriteWithSignature(const std::string& path, std::vector<std::uint8_t> bytes,
                        std::int64_t signatureOffset) {
    std::copy(TableSignature.begin(), TableSignature.end(),
              bytes.begin() + static_cast<std::ptrdiff_t>(signatureOffset));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

// What the search is measured against: every byte of the file read once through one
// buffer, as `cat` does. Returns the number of bytes read.
std::int64_t CatRead(const std::string& path) {
    static std::vector<std::uint8_t> buffer(CatBufferSize);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw std::runtime_error("cannot open " + path);
    }
    std::int64_t total = 0;
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        total += got;
    }
    ::close(fd);
    return total;
}

void PlainRead(benchmark::State& state, const TBenchFile& file) {
    for (auto _ : state) {
        if (CatRead(file.NearStartPath) != file.Size) {
            state.SkipWithError("short read");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * file.Size);
}

void LocateIn(benchmark::State& state, const std::string& path, std::int64_t size,
              std::int64_t expected) {
    for (auto _ : state) {
        const TTableLocation location = TTableLocator::Locate(path);
        if (location.SignatureOffset != expected) {
            state.SkipWithError("signature not found where it was put");
            break;
        }
        benchmark::DoNotOptimize(location.SearchBase);
    }
    state.SetBytesProcessed(state.iterations() * size);
}

void SearchInChunks(benchmark::State& state, const TBenchFile& file, std::size_t chunk) {
    const TRecordFile opened(file.NearStartPath);
    for (auto _ : state) {
        if (TTableLocator::FindLastSignatureInFile(opened, file.Size, chunk) != NearStart) {
            state.SkipWithError("signature not found where it was put");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * file.Size);
}

// The console output, then each Locate's time over the plain read of the same file: wall
// clock and processor time (on a busy machine the latter is the steadier), the median
// when the runs are repeated.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (run.run_type == Run::RT_Aggregate && !median)) {
                continue;
            }
            const std::string name = run.run_name.function_name;
            if (median || !medians_.contains(name)) {
                times_[name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
            }
            if (median) {
                medians_.insert(name);
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nOver the plain read of the same file (wall clock, processor time):\n");
        for (const auto& [name, time] : times_) {
            const std::string label = name.substr(name.find('/') + 1);
            const std::string reference = "PlainRead/" + label.substr(0, label.find('/'));
            if (name.starts_with("PlainRead/") || !times_.contains(reference)) {
                continue;
            }
            const TTimes& plain = times_.at(reference);
            std::printf("  %-36s %5.2f  %5.2f\n", name.c_str(), time.Real / plain.Real,
                        time.Cpu / plain.Cpu);
        }
    }

private:
    struct TTimes {
        double Real;
        double Cpu;
    };
    std::map<std::string, TTimes> times_;
    std::set<std::string> medians_;
};

void RegisterBenchmarks(const std::vector<TBenchFile>& files) {
    for (const TBenchFile& file : files) {
        benchmark::RegisterBenchmark(("PlainRead/" + file.Label).c_str(), PlainRead, file)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Locate/" + file.Label + "/near_end").c_str(), LocateIn,
                                     file.NearEndPath, file.Size, file.Size - EndDistance)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Locate/" + file.Label + "/near_start").c_str(), LocateIn,
                                     file.NearStartPath, file.Size, NearStart)
            ->Unit(benchmark::kMillisecond);
        for (const std::size_t chunk : ChunkSizes) {
            const std::string name =
                "Search/" + file.Label + "/near_start/chunk_" + std::to_string(chunk >> 10) + "K";
            benchmark::RegisterBenchmark(name.c_str(), SearchInChunks, file, chunk)
                ->Unit(benchmark::kMillisecond);
        }
    }
}

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
    int result = 0;
    try {
        std::vector<TBenchFile> files;
        for (const auto& [label, size] :
             {std::pair{"14MB", SmallFileSize}, std::pair{"256MiB", LargeFileSize}}) {
            TBenchFile file{label, size, folder + "/" + label + "-near-start.exe",
                            folder + "/" + label + "-near-end.exe"};
            const std::vector<std::uint8_t> bytes = RandomBytes(size);
            WriteWithSignature(file.NearStartPath, bytes, NearStart);
            WriteWithSignature(file.NearEndPath, bytes, size - EndDistance);
            // In the page cache before anything is timed.
            CatRead(file.NearStartPath);
            CatRead(file.NearEndPath);
            files.push_back(file);
        }
        RegisterBenchmarks(files);
        TRatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        result = 1;
    }
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return result;
}
