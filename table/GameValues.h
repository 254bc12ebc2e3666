#pragma once
// The game's own values of its fields (GameLayout()): what each known stored value means to
// the game, and the values its code handles. `show --game` prints these meanings, `check`
// judges records by these values and spans, and the demo builds its records from them, so
// the three never tell a modder different things about the same byte. Facts of the game,
// from public reverse-engineering of its audio code.

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace klarvon {

// What the game makes of one stored value of a field ("car", "off").
struct TValueMeaning {
    std::int64_t Value;
    std::string_view Text;
};

// ---- VehicleAudioType: the kind of vehicle the audio code treats it as ----------
inline constexpr std::int64_t CarKind = 0;
inline constexpr std::int64_t BikeKind = 1;
inline constexpr std::int64_t BmxKind = 2;
inline constexpr std::int64_t BoatKind = 3;
inline constexpr std::int64_t HeliKind = 4;
inline constexpr std::int64_t PlaneKind = 5;
inline constexpr std::int64_t SeaplaneKind = 6;
// Among the kinds the code knows, but a vehicle of it never finishes initialising.
inline constexpr std::int64_t OneGearKind = 7;
inline constexpr std::int64_t TrainKind = 8;
// Has engine sounds only for a few models (catalogue/AudioRules.cpp names them).
inline constexpr std::int64_t SpecialKind = 9;
// Meant for trailers and props: no audio at all.
inline constexpr std::int64_t NoVehicleKind = 10;

inline constexpr std::array<TValueMeaning, 11> AudioKindMeanings{{
    {CarKind, "car"},
    {BikeKind, "bike"},
    {BmxKind, "bmx"},
    {BoatKind, "boat"},
    {HeliKind, "heli"},
    {PlaneKind, "plane"},
    {SeaplaneKind, "seaplane"},
    {OneGearKind, "one gear"},
    {TrainKind, "train"},
    {SpecialKind, "special"},
    {NoVehicleKind, "no vehicle"},
}};

// ---- PlayerBank, DummyBank: sound banks ------------------------------------------
// 710 banks in all (0..709); -1 is "no bank". Vehicle engines live in 0..410; the rest are
// speech and mission banks.
inline constexpr std::int64_t NoBank = -1;
inline constexpr std::int64_t BankCount = 710;
inline constexpr std::int64_t LastVehicleBank = 410;

// ---- BassSetting: an index into a preset table of three --------------------------
inline constexpr std::int64_t NormalBass = 0;
inline constexpr std::int64_t BoostBass = 1;
inline constexpr std::int64_t CutBass = 2;

inline constexpr std::array<TValueMeaning, 3> BassMeanings{{
    {NormalBass, "normal"},
    {BoostBass, "boost"},
    {CutBass, "cut"},
}};

// ---- HornType: -1 no horn, 0 the bicycle bell, 1..9 car horns --------------------
inline constexpr std::int64_t NoHorn = -1;
inline constexpr std::int64_t BicycleBell = 0;
inline constexpr std::int64_t FirstCarHorn = 1;
inline constexpr std::int64_t LastCarHorn = 9;

inline constexpr std::array<TValueMeaning, 11> HornMeanings{{
    {NoHorn, "none"},
    {BicycleBell, "bicycle bell"},
    {1, "horn 1"},
    {2, "horn 2"},
    {3, "horn 3"},
    {4, "horn 4"},
    {5, "horn 5"},
    {6, "horn 6"},
    {7, "horn 7"},
    {8, "horn 8"},
    {LastCarHorn, "horn 9"},
}};

// ---- DoorType -----------------------------------------------------------------
// -1 is unset and sounds as the new doors do.
inline constexpr std::int64_t UnsetDoor = -1;
inline constexpr std::int64_t LightDoor = 0;
inline constexpr std::int64_t OldDoor = 1;
inline constexpr std::int64_t NewDoor = 2;
inline constexpr std::int64_t TruckDoor = 3;
inline constexpr std::int64_t VanDoor = 4;

inline constexpr std::array<TValueMeaning, 6> DoorMeanings{{
    {UnsetDoor, "unset"},
    {LightDoor, "light"},
    {OldDoor, "old"},
    {NewDoor, "new"},
    {TruckDoor, "truck"},
    {VanDoor, "van"},
}};

// ---- RadioStation: 0..12 the stations, 13 off ---------------------------------
inline constexpr std::int64_t FirstStation = 0;
inline constexpr std::int64_t RadioOff = 13;
// Below the first station the game indexes its station table unchecked.
inline constexpr std::int64_t InvalidStation = -1;

inline constexpr std::array<TValueMeaning, 2> StationMeanings{{
    {InvalidStation, "invalid"},
    {RadioOff, "off"},
}};

// ---- RadioType: which radio the vehicle has; only civilian radio plays a station --
inline constexpr std::int64_t DisabledRadio = -1;
inline constexpr std::int64_t CivilianRadio = 0;
inline constexpr std::int64_t SpecialRadio = 1;
inline constexpr std::int64_t ForcedOffRadio = 2;
inline constexpr std::int64_t EmergencyRadio = 3;

inline constexpr std::array<TValueMeaning, 5> RadioTypeMeanings{{
    {DisabledRadio, "disabled"},
    {CivilianRadio, "civilian"},
    {SpecialRadio, "special"},
    {ForcedOffRadio, "radio forced off"},
    {EmergencyRadio, "emergency"},
}};

// ---- VehicleAudioTypeForName: the vehicle's word in pedestrians' speech ------------
inline constexpr std::int64_t NoNameWord = -1;
inline constexpr std::int64_t LastNameWord = 45;

// ---- The one table ----------------------------------------------------------------

// The values of one of the game's integer fields: the meanings it gives single values, and
// the values its code handles (First..Last, no gap). A value outside them is one `check`
// speaks of; one inside may still be, for reasons of the other fields or the model.
struct TGameValues {
    std::string_view Field; // the game's name (GameLayout())
    std::span<const TValueMeaning> Meanings;
    std::int64_t First;
    std::int64_t Last;

    constexpr bool Handles(std::int64_t value) const { return value >= First && value <= Last; }
};

// Where a field's meanings already cover every value its code handles, they are the span.
constexpr TGameValues SpannedByMeanings(std::string_view field,
                                        std::span<const TValueMeaning> meanings) {
    const auto [low, high] = std::minmax_element(
        meanings.begin(), meanings.end(),
        [](const TValueMeaning& a, const TValueMeaning& b) { return a.Value < b.Value; });
    return {field, meanings, low->Value, high->Value};
}

// In the game layout's order. EngineUpgrade has no reader in the game's code, and the
// floats no span: they are not here.
inline constexpr std::array<TGameValues, 9> GameValueTable{{
    SpannedByMeanings("VehicleAudioType", AudioKindMeanings),
    {"PlayerBank", {}, NoBank, BankCount - 1},
    {"DummyBank", {}, NoBank, BankCount - 1},
    SpannedByMeanings("BassSetting", BassMeanings),
    SpannedByMeanings("HornType", HornMeanings),
    SpannedByMeanings("DoorType", DoorMeanings),
    {"RadioStation", StationMeanings, FirstStation, RadioOff},
    SpannedByMeanings("RadioType", RadioTypeMeanings),
    {"VehicleAudioTypeForName", {}, NoNameWord, LastNameWord},
}};

// The entry of a field of the game's, or nullptr for one the game gives no known values.
constexpr const TGameValues* FindGameValues(std::string_view field) {
    const auto found =
        std::find_if(GameValueTable.begin(), GameValueTable.end(),
                     [field](const TGameValues& values) { return values.Field == field; });
    return found == GameValueTable.end() ? nullptr : &*found;
}

// The entry of a field that has one; std::logic_error for a field without.
constexpr const TGameValues& GameValuesOf(std::string_view field) {
    const TGameValues* values = FindGameValues(field);
    if (values == nullptr) {
        throw std::logic_error("the game gives no known values to " + std::string(field));
    }
    return *values;
}

// The meanings the table gives a field's values; none for a field it has no entry for.
constexpr std::span<const TValueMeaning> KnownMeanings(std::string_view field) {
    const TGameValues* values = FindGameValues(field);
    return values == nullptr ? std::span<const TValueMeaning>() : values->Meanings;
}

// What the game makes of a value of a field, if the table names it.
constexpr const TValueMeaning* FindMeaning(std::span<const TValueMeaning> meanings,
                                           std::int64_t value) {
    const auto found =
        std::find_if(meanings.begin(), meanings.end(),
                     [value](const TValueMeaning& meaning) { return meaning.Value == value; });
    return found == meanings.end() ? nullptr : &*found;
}

} // namespace klarvon
