#pragma once
// The game's own model names of the vehicle slots (as vehicles.ide and the modding tools
// that read it spell them), and reading a vehicle name the way a modder types it.
// The editor's list captions (TVehicleCatalogue::Name) stay as they are; they differ
// from the model names in places (GOLFCART is caddy, two slots read GLENDALE).

#include "table/Errors.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon {

// The model names cover IDs 400..611; the slots after them have none.
inline constexpr int LastModelId = 611;

// A word that stands for no slot or for several; what() is the text the user sees.
class EVehicleNameError : public EKlarvonError {
public:
    using EKlarvonError::EKlarvonError;
};

// Names compared as the game compares model names: ASCII letters in any case.
bool SameIgnoringCase(std::string_view a, std::string_view b);
// The name with its ASCII letters in lower case: one key for every spelling of a model.
std::string LowerCaseName(std::string_view name);

// The model name of an ID in lower case ("infernus"); empty for 612..630. Throws
// std::out_of_range outside 400..630.
std::string_view ModelName(int id);

// The slot whose model name this is, compared case-insensitively; model names are
// unique, so this never has to choose.
std::optional<int> IdOfModelName(std::string_view name);

// Every slot a name may mean, ascending: the slot of that model name and the slots
// whose list caption it is, both compared case-insensitively.
std::vector<int> SlotsNamed(std::string_view name);

// Up to count model names nearest to name by edit distance (case-insensitive),
// nearest first, ties in ID order.
std::vector<std::string_view> ClosestModelNames(std::string_view name, std::size_t count);

// The one slot a name means (see SlotsNamed). Throws EVehicleNameError naming the
// slots of an ambiguous name, or suggesting the closest model names for an unknown one.
int IdOfVehicleName(std::string_view name);

// Whether a vehicle word is read as an ID: it starts with a digit.
bool StartsLikeId(std::string_view word);

// The slot a word of a modder means: a vehicle ID 400..630 in plain decimal digits, or a
// name that means one slot (see IdOfVehicleName). A word that is empty or starts with a
// digit is taken as an ID: "'4o1' is not a vehicle ID (400..630)". Throws
// EVehicleNameError.
int IdOfVehicleWord(std::string_view word);

} // namespace klarvon
