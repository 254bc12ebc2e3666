#include "catalogue/ModelNames.h"

#include "catalogue/VehicleCatalogue.h"
#include "table/TableLocator.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <numeric>
#include <stdexcept>
#include <string>

namespace klarvon {

namespace {

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr std::size_t ModelCount = LastModelId - FirstVehicleId + 1;

// The model name of every slot from ID 400 on, as the game's data files spell them.
constexpr std::array<std::string_view, ModelCount> ModelNames{
    "landstal", "bravura",  "buffalo",  "linerun",  "peren",    "sentinel", "dumper",   "firetruk",
    "trash",    "stretch",  "manana",   "infernus", "voodoo",   "pony",     "mule",     "cheetah",
    "ambulan",  "leviathn", "moonbeam", "esperant", "taxi",     "washing",  "bobcat",   "mrwhoop",
    "bfinject", "hunter",   "premier",  "enforcer", "securica", "banshee",  "predator", "bus",
    "rhino",    "barracks", "hotknife", "artict1",  "previon",  "coach",    "cabbie",   "stallion",
    "rumpo",    "rcbandit", "romero",   "packer",   "monster",  "admiral",  "squalo",   "seaspar",
    "pizzaboy", "tram",     "artict2",  "turismo",  "speeder",  "reefer",   "tropic",   "flatbed",
    "yankee",   "caddy",    "solair",   "topfun",   "skimmer",  "pcj600",   "faggio",   "freeway",
    "rcbaron",  "rcraider", "glendale", "oceanic",  "sanchez",  "sparrow",  "patriot",  "quad",
    "coastg",   "dinghy",   "hermes",   "sabre",    "rustler",  "zr350",    "walton",   "regina",
    "comet",    "bmx",      "burrito",  "camper",   "marquis",  "baggage",  "dozer",    "maverick",
    "vcnmav",   "rancher",  "fbiranch", "virgo",    "greenwoo", "jetmax",   "hotring",  "sandking",
    "blistac",  "polmav",   "boxville", "benson",   "mesa",     "rcgoblin", "hotrina",  "hotrinb",
    "bloodra",  "rnchlure", "supergt",  "elegant",  "journey",  "bike",     "mtbike",   "beagle",
    "cropdust", "stunt",    "petro",    "rdtrain",  "nebula",   "majestic", "buccanee", "shamal",
    "hydra",    "fcr900",   "nrg500",   "copbike",  "cement",   "towtruck", "fortune",  "cadrona",
    "fbitruck", "willard",  "forklift", "tractor",  "combine",  "feltzer",  "remingtn", "slamvan",
    "blade",    "freight",  "streak",   "vortex",   "vincent",  "bullet",   "clover",   "sadler",
    "firela",   "hustler",  "intruder", "primo",    "cargobob", "tampa",    "sunrise",  "merit",
    "utility",  "nevada",   "yosemite", "windsor",  "monstera", "monsterb", "uranus",   "jester",
    "sultan",   "stratum",  "elegy",    "raindanc", "rctiger",  "flash",    "tahoma",   "savanna",
    "bandito",  "freiflat", "streakc",  "kart",     "mower",    "duneride", "sweeper",  "broadway",
    "tornado",  "at400",    "dft30",    "huntley",  "stafford", "bf400",    "newsvan",  "tug",
    "petrotr",  "emperor",  "wayfarer", "euros",    "hotdog",   "club",     "freibox",  "artict3",
    "androm",   "dodo",     "rccam",    "launch",   "copcarla", "copcarsf", "copcarvg", "copcarru",
    "picador",  "swatvan",  "alpha",    "phoenix",  "glenshit", "sadlshit", "bagboxa",  "bagboxb",
    "tugstair", "boxburg",  "farmtr1",  "utiltr1",
};

constexpr std::size_t SuggestionCount = 3;

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Levenshtein distance over lower-cased bytes, one row at a time.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t substitution =
                diagonal + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, substitution});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::string SlotText(int id) {
    std::string text = std::to_string(id);
    text += ' ';
    text += TVehicleCatalogue::Name(id);
    if (const std::string_view model = ModelName(id); !model.empty()) {
        text += " (";
        text += model;
        text += ')';
    }
    return text;
}

} // namespace

std::string LowerCaseName(std::string_view name) {
    std::string lowered(name);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), Lower);
    return lowered;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string_view ModelName(int id) {
    if (id < FirstVehicleId || id > LastVehicleId) {
        throw std::out_of_range("vehicle ID outside 400..630");
    }
    return id <= LastModelId ? ModelNames[static_cast<std::size_t>(id - FirstVehicleId)]
                             : std::string_view{};
}

std::optional<int> IdOfModelName(std::string_view name) {
    const auto found =
        std::find_if(ModelNames.begin(), ModelNames.end(),
                     [name](std::string_view model) { return SameIgnoringCase(model, name); });
    if (found == ModelNames.end()) {
        return std::nullopt;
    }
    return FirstVehicleId + static_cast<int>(found - ModelNames.begin());
}

std::vector<int> SlotsNamed(std::string_view name) {
    std::vector<int> ids;
    const std::optional<int> model = IdOfModelName(name);
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        if (id == model || SameIgnoringCase(TVehicleCatalogue::Name(id), name)) {
            ids.push_back(id);
        }
    }
    return ids;
}

std::vector<std::string_view> ClosestModelNames(std::string_view name, std::size_t count) {
    std::vector<std::pair<std::size_t, std::string_view>> ranked;
    for (const std::string_view model : ModelNames) {
        ranked.emplace_back(EditDistance(name, model), model);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string_view> closest;
    for (std::size_t i = 0; i < std::min(count, ranked.size()); ++i) {
        closest.push_back(ranked[i].second);
    }
    return closest;
}

int IdOfVehicleName(std::string_view name) {
    const std::vector<int> ids = SlotsNamed(name);
    if (ids.size() == 1) {
        return ids.front();
    }
    std::string text = "'";
    text += name;
    text += "'";
    if (ids.empty()) {
        text += " is not a vehicle ID or name; closest model names:";
        for (const std::string_view model : ClosestModelNames(name, SuggestionCount)) {
            text += ' ';
            text += model;
        }
        throw EVehicleNameError(text);
    }
    text += " could mean";
    for (std::size_t i = 0; i < ids.size(); ++i) {
        text += i == 0 ? " " : i + 1 == ids.size() ? " or " : ", ";
        text += SlotText(ids[i]);
    }
    text += "; give the ID";
    throw EVehicleNameError(text);
}

bool StartsLikeId(std::string_view word) {
    return !word.empty() && IsAsciiDigit(word.front());
}

int IdOfVehicleWord(std::string_view word) {
    if (!StartsLikeId(word) && !word.empty()) {
        return IdOfVehicleName(word);
    }
    const bool allDigits = !word.empty() && std::all_of(word.begin(), word.end(), IsAsciiDigit);
    int id = 0;
    const char* end = word.data() + word.size();
    if (allDigits) {
        const auto [stop, error] = std::from_chars(word.data(), end, id);
        if (error != std::errc{} || stop != end) {
            id = 0; // too many digits: out of range like any other number
        }
    }
    if (!allDigits || id < FirstVehicleId || id > LastVehicleId) {
        throw EVehicleNameError("'" + std::string(word) + "' is not a vehicle ID (" +
                                std::to_string(FirstVehicleId) + ".." +
                                std::to_string(LastVehicleId) + ")");
    }
    return id;
}

} // namespace klarvon
