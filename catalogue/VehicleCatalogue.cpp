#include "catalogue/VehicleCatalogue.h"

#include <array>
#include <stdexcept>

namespace klarvon {

namespace {

constexpr std::string_view ExtraSlot = "//Extra Slot";

// The list caption of every slot, ID 400 first: mostly the game's model name, but not
// everywhere (457 reads GOLFCART for the model caddy, and 604 reads GLENDALE like 466). The game
// reserves the IDs after 611 without models; their lines, and two spare ones after ID 630 that no
// slot shows, read "//Extra Slot". Captions repeat (GLENDALE, SADLER, FREIFLAT): slots are
// addressed by position only.
constexpr std::array<std::string_view, TVehicleCatalogue::NameTableLines> NameTable{
    "LANDSTAL",   "BRAVURA",    "BUFFALO",      "LINERUN",     "PEREN",     "SENTINEL",
    "DUMPER",     "FIRETRUK",   "TRASH",        "STRETCH",     "MANANA",    "INFERNUS",
    "VOODOO",     "PONY",       "MULE",         "CHEETAH",     "AMBULAN",   "LEVIATHN",
    "MOONBEAM",   "ESPERANT",   "TAXI",         "WASHING",     "BOBCAT",    "MRWHOOP",
    "BFINJECT",   "HUNTER",     "PREMIER",      "ENFORCER",    "SECURICA",  "BANSHEE",
    "PREDATOR",   "BUS",        "RHINO",        "BARRACKS",    "HOTKNIFE",  "ARTICT1",
    "PREVION",    "COACH",      "CABBIE",       "STALLION",    "RUMPO",     "RCBANDIT",
    "ROMERO",     "PACKER",     "MONSTER",      "ADMIRAL",     "SQUALO",    "SEASPAR",
    "PIZZABOY",   "TRAM",       "ARTICT2",      "TURISMO",     "SPEEDER",   "REEFER",
    "TROPIC",     "FLATBED",    "YANKEE",       "GOLFCART",    "SOLAIR",    "TOPFUN",
    "SEAPLANE",   "PCJ600",     "FAGGIO",       "FREEWAY",     "RCBARON",   "RCRAIDER",
    "GLENDALE",   "OCEANIC",    "SANCHEZ",      "SPARROW",     "PATRIOT",   "QUAD",
    "COASTGRD",   "DINGHY",     "HERMES",       "SABRE",       "RUSTLER",   "ZR350",
    "WALTON",     "REGINA",     "COMET",        "BMX",         "BURRITO",   "CAMPER",
    "MARQUIS",    "BAGGAGE",    "DOZER",        "MAVERICK",    "COASTMAV",  "RANCHER",
    "FBIRANCH",   "VIRGO",      "GREENWOOD",    "JETMAX",      "HOTRING",   "SANDKING",
    "BLISTAC",    "POLMAV",     "BOXVILLE",     "BENSON",      "MESA",      "RCGOBLIN",
    "HOTRING(A)", "HOTRING(B)", "BLOODRING(A)", "RANCHERLURE", "SUPERGT",   "ELEGANT",
    "JOURNEY",    "BIKE",       "MTB",          "BEAGLE",      "CROPDUST",  "STUNT",
    "PETROL",     "RDTRAIN",    "NEBULA",       "MAJESTIC",    "BUCCANEE",  "SHAMAL",
    "HYDRA",      "FCR900",     "NRG500",       "COPBIKE",     "CEMENT",    "TOWTRUCK",
    "FORTUNE",    "CADRONA",    "FBITRUCK",     "WILLARD",     "FORKLIFT",  "TRACTOR",
    "COMBINE",    "FELTZER",    "REMINGTN",     "SLAMVAN",     "BLADE",     "FREIGHT",
    "STREAK",     "VORTEX",     "VINCENT",      "BULLET",      "CLOVER",    "SADLER",
    "FIRETRUKLA", "HUSTLER",    "INTRUDER",     "PRIMO",       "CARGOBOB",  "TAMPA",
    "SUNRISE",    "MERIT",      "UTILITY",      "NEVADA",      "YOSEMITE",  "WINDSOR",
    "MONSTER(A)", "MONSTER(B)", "URANUS",       "JESTER",      "SULTAN",    "STRATUM",
    "ELEGY",      "RAINDANC",   "RCTIGER",      "FLASH",       "TAHOMA",    "SAVANNA",
    "BANDITO",    "FREIFLAT",   "STREAKC",      "KART",        "MOWER",     "DUNERIDER",
    "SWEEPER",    "BROADWAY",   "TORNADO",      "AT400",       "DFT30",     "HUNTLEY",
    "STAFFORD",   "BF400",      "NEWSVAN",      "TUG",         "PETROTR",   "EMPEROR",
    "WAYFARER",   "EUROS",      "HOTDOG",       "CLUB",        "FREIFLAT",  "ARTICT3",
    "ANDROM",     "DODO",       "RCCAM",        "LAUNCH",      "POLICE_LA", "POLICE_SF",
    "POLICE_VG",  "POLRANGER",  "PICADOR",      "SWATVAN",     "ALPHA",     "PHOENIX",
    "GLENDALE",   "SADLER",     "BAGBOX(A)",    "BAGBOX(B)",   "STAIRS",    "BOXBURG",
    "FARM_TR1",   "UTIL_TR1",   ExtraSlot,      ExtraSlot,     ExtraSlot,   ExtraSlot,
    ExtraSlot,    ExtraSlot,    ExtraSlot,      ExtraSlot,     ExtraSlot,   ExtraSlot,
    ExtraSlot,    ExtraSlot,    ExtraSlot,      ExtraSlot,     ExtraSlot,   ExtraSlot,
    ExtraSlot,    ExtraSlot,    ExtraSlot,      ExtraSlot,     ExtraSlot,
};

constexpr std::string_view IdIndent = "      ";       // 6 spaces before the ID
constexpr std::string_view NameIndent = "          "; // 10 spaces between ID and caption

} // namespace

std::string_view TVehicleCatalogue::Name(int id) {
    if (id < FirstVehicleId || id > LastVehicleId) {
        throw std::out_of_range("vehicle ID outside 400..630");
    }
    return NameTable[static_cast<std::size_t>(id - FirstVehicleId)];
}

std::string TVehicleCatalogue::ItemText(int id) {
    std::string text(IdIndent);
    text += std::to_string(id);
    text += NameIndent;
    text += Name(id);
    return text;
}

std::string TVehicleCatalogue::SlotCountText() {
    return std::to_string(LastVehicleId - FirstVehicleId);
}

void TVehicleCatalogue::Fill(const std::function<void(const std::string&)>& addLine) {
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        addLine(ItemText(id));
    }
}

} // namespace klarvon
