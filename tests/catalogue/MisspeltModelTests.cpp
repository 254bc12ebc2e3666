// A cfg row's name taken for a misspelt stock model: a typo is caught before the game makes
// it a new vehicle, and a name a pack means as its own is not second-guessed.

#include "catalogue/MisspeltModel.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

namespace klarvon {
namespace {

TEST(MisspeltModel, TheNearestStockNameWithinTheEditsItsLengthAllows) {
    struct TCase {
        std::string_view Name;
        std::optional<std::string_view> Meant;
    };
    const std::vector<TCase> cases{
        {"infernos", "infernus"},  // a letter changed
        {"INFERNOS", "infernus"},  // in any case
        {"infrnos", "infernus"},   // two edits, seven letters
        {"raindance", "raindanc"}, // a letter added
        {"sbare", "sabre"},        // two neighbours swapped are one slip
        {"copcarlf", "copcarla"},  // as near copcarsf: the lower ID
        {"hotrinc", "hotring"},    // as near hotrina and hotrinb
        {"ixfrnos", std::nullopt}, // three edits
        {"sabxx", std::nullopt},   // two edits, but five letters allow one
        {"bsu", std::nullopt},     // too short to guess at
        {"infernus", std::nullopt},  {"Infernus", std::nullopt},
        {"taxi2", std::nullopt},     // a pack's numbered variant
        {"infernus2", std::nullopt}, // likewise
        {"mycar", std::nullopt},     {"caf\xE9", std::nullopt},
        {"", std::nullopt},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(MisspeltStockModel(c.Name), c.Meant) << c.Name;
    }
}

} // namespace
} // namespace klarvon
