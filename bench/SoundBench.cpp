// The sound commands over a full-size install (SoundInstallBench.h), each beside a plain
// read of the same bytes as `cat` would read them, in the same run, the page cache warm:
//   - banks: every lookup record and every bank's header (710 of them), read one at a time;
//   - export-sound of a whole 254 KB bank (117, the largest stock engine bank but one) into
//     a folder, each sound a WAV file;
//   - listen: a cfg row's test drive (its banks' headers and six sounds resampled) into a WAV.
// The install is built once in $TMPDIR/klarvon-bench-sounds and kept for the next run.

#include "SoundInstallBench.h"

#include "catalogue/BankNames.h"
#include "cli/Commands.h"
#include "sound/GameFolder.h"
#include "sound/SoundFormat.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace klarvon;
using namespace klarvon::sound;

constexpr int ExportedBank = 117; // GENRL_SALOON_P, 253,566 bytes of PCM
constexpr int IdleBank = 116;
constexpr int HornBankId = 74;

const std::filesystem::path& Install() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path place =
            std::filesystem::temp_directory_path() / "klarvon-bench-sounds";
        bench::FullSizeInstall(place, {ExportedBank, IdleBank, HornBankId});
        // One cfg row whose engine is the exported bank, for the test drive.
        std::ofstream(place / "gtasa_vehicleAudioSettings.cfg")
            << "benchcar 0 117 116 0 1 1 2 1.1 2 0 0 2 0 0\n;the end\n";
        return place;
    }();
    return folder;
}

std::string Path(std::string_view relative) {
    return (Install() / std::string(relative)).string();
}

int RunCommand(const cli::TCommand& command, const std::vector<std::string>& words) {
    cli::TReport report;
    const int status = command.Run(cli::SplitArguments(words, command.Flags), report);
    if (status != cli::ExitSuccess) {
        throw std::runtime_error(std::string(command.Name) + " failed: " + report.str());
    }
    benchmark::DoNotOptimize(report.str().data());
    return status;
}

// count bytes at offset of path into buffer, as cat reads them.
std::size_t ReadPlain(const std::string& path, std::int64_t offset, std::vector<char>& buffer,
                      std::size_t count) {
    const int file = open(path.c_str(), O_RDONLY);
    buffer.resize(std::max(buffer.size(), count));
    const ssize_t read = pread(file, buffer.data(), count, offset);
    close(file);
    return read < 0 ? 0 : static_cast<std::size_t>(read);
}

struct TBankPlace {
    std::string Package;
    std::int64_t Offset;
    std::uint32_t Bytes;
};

std::vector<TBankPlace> StockPlaces() {
    std::vector<TBankPlace> places;
    std::map<std::string, std::int64_t> ends;
    for (int bank = 0; bank < StockBankCount; ++bank) {
        const TBankName& name = *StockBankName(bank);
        const std::string package = Path("audio/SFX/" + std::string(name.Package));
        places.push_back({package, ends[package], name.StockBytes});
        ends[package] += static_cast<std::int64_t>(BankHeaderSize) + name.StockBytes;
    }
    return places;
}

void BanksCommand(benchmark::State& state) {
    const std::string game = Install().string();
    for (auto _ : state) {
        RunCommand(cli::BanksCommand, {game});
    }
}

void CatOfLookupsAndHeaders(benchmark::State& state) {
    const std::vector<TBankPlace> places = StockPlaces();
    std::vector<char> buffer;
    for (auto _ : state) {
        std::size_t read = 0;
        for (std::string_view file : {PackageListPath, BankLookupPath, BankSlotsPath}) {
            read += ReadPlain(Path(file), 0, buffer, 1 << 20);
        }
        for (const TBankPlace& place : places) {
            read += ReadPlain(place.Package, place.Offset, buffer, BankHeaderSize);
        }
        benchmark::DoNotOptimize(read);
    }
}

void ExportSoundCommand(benchmark::State& state) {
    const std::string out = Path("exported");
    for (auto _ : state) {
        RunCommand(cli::ExportSoundCommand,
                   {Install().string(), std::to_string(ExportedBank), out, "--force"});
    }
}

void CatOfTheExportedBank(benchmark::State& state) {
    const TBankPlace place = StockPlaces()[ExportedBank];
    std::vector<char> buffer;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ReadPlain(place.Package, place.Offset, buffer, BankHeaderSize + place.Bytes));
    }
}

void ListenCommand(benchmark::State& state) {
    for (auto _ : state) {
        RunCommand(cli::ListenCommand, {Path("gtasa_vehicleAudioSettings.cfg"), "benchcar",
                                        Path("drive.wav"), "--force"});
    }
}

// What listen reads: the three banks' headers and the six sounds it plays.
void CatOfTheTestDrive(benchmark::State& state) {
    const std::vector<TBankPlace> places = StockPlaces();
    std::vector<char> buffer;
    for (auto _ : state) {
        std::size_t read = 0;
        for (int bank : {IdleBank, ExportedBank, HornBankId}) {
            const TBankPlace& place = places[static_cast<std::size_t>(bank)];
            read += ReadPlain(place.Package, place.Offset, buffer, BankHeaderSize);
            const std::uint32_t third = place.Bytes / 3 / 2 * 2;
            read += ReadPlain(place.Package, place.Offset + BankHeaderSize, buffer,
                              bank == ExportedBank ? place.Bytes : third);
        }
        benchmark::DoNotOptimize(read);
    }
}

BENCHMARK(BanksCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(CatOfLookupsAndHeaders)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportSoundCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(CatOfTheExportedBank)->Unit(benchmark::kMillisecond);
BENCHMARK(ListenCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(CatOfTheTestDrive)->Unit(benchmark::kMillisecond);

} // namespace
