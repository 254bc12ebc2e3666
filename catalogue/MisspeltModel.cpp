#include "catalogue/MisspeltModel.h"

#include "catalogue/ModelNames.h"
#include "table/TableLocator.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace klarvon {

namespace {

// Edit distance with swaps of neighbours (the optimal string alignment distance), over
// lower-cased names: a swapped pair of letters is the commonest slip of a typist.
std::size_t TypingDistance(std::string_view typed, std::string_view model) {
    const std::string a = LowerCaseName(typed);
    const std::string b = LowerCaseName(model);
    const std::size_t width = b.size() + 1;
    std::vector<std::size_t> d((a.size() + 1) * width);
    const auto at = [&d, width](std::size_t i, std::size_t j) -> std::size_t& {
        return d[i * width + j];
    };
    for (std::size_t i = 0; i <= a.size(); ++i) {
        at(i, 0) = i;
    }
    for (std::size_t j = 0; j <= b.size(); ++j) {
        at(0, j) = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
            }
        }
    }
    return at(a.size(), b.size());
}

// "taxi2": a stock name with digits after it, the way packs name the vehicles they add.
bool IsNumberedVariant(std::string_view name) {
    const std::size_t digits = name.find_last_not_of("0123456789") + 1;
    return digits > 0 && digits < name.size() && IdOfModelName(name.substr(0, digits));
}

} // namespace

std::optional<std::string_view> MisspeltStockModel(std::string_view name) {
    if (name.size() < ShortestMisspeltName || IdOfModelName(name) || IsNumberedVariant(name)) {
        return std::nullopt;
    }
    const std::size_t allowed = name.size() < ShortestTwiceMisspeltName ? 1 : 2;
    std::optional<std::string_view> nearest;
    std::size_t nearestDistance = allowed + 1;
    for (int id = FirstVehicleId; id <= LastModelId; ++id) {
        const std::string_view model = ModelName(id);
        // Lengths further apart than the edits allowed cannot be near.
        const std::size_t apart =
            model.size() > name.size() ? model.size() - name.size() : name.size() - model.size();
        if (apart >= nearestDistance) {
            continue;
        }
        const std::size_t distance = TypingDistance(name, model);
        if (distance < nearestDistance) {
            nearest = model;
            nearestDistance = distance;
        }
    }
    return nearest;
}

} // namespace klarvon
