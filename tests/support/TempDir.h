#pragma once
// Test helpers: a private temporary folder removed with everything in it, and whole-file
// reads and writes.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace klarvon::test {

using TBytes = std::vector<std::uint8_t>;

class TTempDir {
public:
    TTempDir() : TTempDir(std::filesystem::temp_directory_path()) {}
#ifdef _WIN32
    // No mkdtemp: a random name, taken only if create_directory made it just now.
    explicit TTempDir(const std::filesystem::path& parent) {
        constexpr int Attempts = 100;
        std::random_device random;
        for (int attempt = 0; attempt < Attempts; ++attempt) {
            const auto candidate = parent / ("klarvon-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate)) {
                path_ = candidate;
                return;
            }
        }
        throw std::runtime_error("no free temporary folder name");
    }
#else
    // In parent: a test that needs what its file system offers can choose it.
    explicit TTempDir(const std::filesystem::path& parent) {
        std::string pattern = (parent / "klarvon-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        path_ = pattern;
    }
#endif
    ~TTempDir() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::filesystem::path& Path() const {
        return path_;
    }
    std::string File(const std::string& name) const {
        return (path_ / name).string();
    }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const TBytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

inline TBytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace klarvon::test
