#include "cli/SoundAccess.h"

#include "catalogue/BankNames.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "table/FileWrite.h"
#include "table/PathText.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

namespace klarvon::cli {

namespace {

// A word of decimal digits alone as a number no larger than most; none otherwise.
std::optional<std::int64_t> DecimalNumber(std::string_view word, std::int64_t most) {
    if (word.empty() ||
        !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value > most) {
        return std::nullopt;
    }
    return value;
}

} // namespace

sound::TGameSounds OpenGameSounds(const std::string& path) {
    return sound::TGameSounds(FileSystemPath(path));
}

std::int64_t ParseBankNumber(std::string_view word) {
    const std::optional<std::int64_t> bank =
        DecimalNumber(word, std::numeric_limits<std::int32_t>::max());
    if (!bank) {
        throw EUsageError("'" + std::string(word) + "' is not a bank number (0 or more)");
    }
    return *bank;
}

int ParseSoundNumber(std::string_view word) {
    const std::optional<std::int64_t> sound = DecimalNumber(word, sound::MostSoundsInBank - 1);
    if (!sound) {
        throw EUsageError("'" + std::string(word) + "' is not a sound number (0.." +
                          std::to_string(sound::MostSoundsInBank - 1) + ")");
    }
    return static_cast<int>(*sound);
}

std::string_view BankShortName(std::int64_t bank) {
    const TBankName* name = StockBankName(bank);
    return name == nullptr ? std::string_view() : name->Name;
}

void WriteWholeFile(const TArguments& arguments, const std::string& path,
                    std::span<const std::uint8_t> bytes) {
    if (arguments.Has(ForceFlag)) {
        ReplaceFile(path, bytes);
    } else {
        WriteNewFile(path, bytes, "add " + std::string(ForceFlag.Name) + " to replace it");
    }
}

} // namespace klarvon::cli
