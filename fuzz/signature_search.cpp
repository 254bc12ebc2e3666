// The signature search against the obvious last-match search over the same bytes, at
// every alignment of the buffer, and each implementation of its candidate filter against a
// byte-by-byte look.

#include "fuzz/FuzzSupport.h"
#include "table/TwinSearch.h"

#include <string>

namespace {

using namespace klarvon;
using klarvon::fuzz::Check;

constexpr std::size_t MaxShift = 64;

std::size_t NaiveLastTwin(const std::uint8_t* data, std::size_t count, std::uint8_t value) {
    for (std::size_t p = count; p-- > 0;) {
        if (reinterpret_cast<std::uintptr_t>(data + p) % 2 == 0 && data[p] == value &&
            data[p + 1] == value) {
            return p;
        }
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte: raw or stitched bytes, and where in a block the buffer starts.
    const bool raw = (data[0] & 1) != 0;
    const std::size_t shift = (data[0] >> 1) % MaxShift;
    const std::span<const std::uint8_t> input(data + 1, size - 1);
    const std::vector<std::uint8_t> bytes =
        raw ? std::vector<std::uint8_t>(input.begin(), input.end()) : fuzz::StitchSignatures(input);

    // Exactly as long as the bytes, so a read past them is a sanitizer finding.
    std::vector<std::uint8_t> storage(shift + bytes.size());
    std::copy(bytes.begin(), bytes.end(), storage.begin() + static_cast<std::ptrdiff_t>(shift));
    const std::span<const std::uint8_t> view(storage.data() + shift, bytes.size());

    const std::int64_t expected = fuzz::NaiveLastSignature(view);
    const std::int64_t found = TTableLocator::FindLastSignature(view);
    Check(found == expected, "search differs from the last full match",
          std::to_string(found) + " instead of " + std::to_string(expected));

    if (!view.empty()) {
        const std::uint8_t value = view.back();
        const std::size_t count = view.size() - 1;
        const std::size_t naive = NaiveLastTwin(view.data(), count, value);
        for (const TTwinSearchImplementation& implementation : TwinSearchImplementations()) {
            Check(implementation.Search(view.data(), count, value) == naive,
                  "candidate filter differs from a byte-by-byte look", implementation.Name);
        }
    }
    return 0;
}
