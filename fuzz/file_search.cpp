// The chunked search through a file against the search of the same bytes in memory, with
// chunk sizes from the smallest allowed up, and Locate on the file.

#include "fuzz/FuzzSupport.h"
#include "table/Errors.h"
#include "table/RecordFile.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

using namespace klarvon;
using klarvon::fuzz::Check;

constexpr std::size_t MinChunk = TableSignature.size();
constexpr std::size_t ChunkRange = 4096;

// One file for the whole run, rewritten for every input; in memory when the system has
// a place for that.
const std::string& FilePath() {
    static const std::string path = [] {
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path folder =
            std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        return (folder / ("klarvon-fuzz-" + std::to_string(::getpid()) + ".exe")).string();
    }();
    static const bool removedAtExit = [] {
        return std::atexit([] { std::filesystem::remove(FilePath()); }) == 0;
    }();
    (void)removedAtExit;
    return path;
}

void Write(const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(FilePath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    Check(static_cast<bool>(out), "cannot write the test file");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    // Two bytes of chunk size, then the bytes of the file.
    const std::size_t chunk = MinChunk + ((std::size_t{data[0]} << 8 | data[1]) % ChunkRange);
    const std::vector<std::uint8_t> bytes = fuzz::StitchSignatures({data + 2, size - 2});
    Write(bytes);

    const std::int64_t expected = TTableLocator::FindLastSignature(bytes);
    const auto fileSize = static_cast<std::int64_t>(bytes.size());
    {
        const TRecordFile file(FilePath());
        for (const std::size_t tried : {chunk, MinChunk, SearchChunkSize}) {
            Check(TTableLocator::FindLastSignatureInFile(file, fileSize, tried) == expected,
                  "chunked search differs from the search in memory",
                  "chunk " + std::to_string(tried));
        }
        // Searching past the end means the file was cut short under us.
        try {
            TTableLocator::FindLastSignatureInFile(file, fileSize + 1, chunk);
            Check(fileSize + 1 < static_cast<std::int64_t>(TableSignature.size()),
                  "a search past the end succeeded");
        } catch (const EInOutError& error) {
            Check(std::string_view(error.what()) == "Read beyond end of file" && error.Code == 100,
                  "read past the end reported wrongly", error.what());
        }
    }
    const TTableLocation location = TTableLocator::Locate(FilePath());
    Check(location.FileSize == fileSize, "Locate's file size");
    Check(location.Known || location.SignatureOffset == expected, "Locate's signature offset");
    return 0;
}
