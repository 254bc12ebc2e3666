#include "catalogue/AudioRules.h"

#include "catalogue/BankNames.h"
#include "catalogue/ModelNames.h"
#include "table/TableLocator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <utility>

namespace klarvon {

namespace {

constexpr std::size_t StockTypeCount = LastModelId - FirstVehicleId + 1;

// The VehicleAudioType the stock game gives each model, from ID 400 on, twenty to a line.
constexpr std::array<std::int8_t, StockTypeCount> StockAudioTypes{
    0, 0, 0, 0, 0, 0, 0,  0,  0,  0, 0,  0,  0, 0, 0,  0, 0, 4, 0, 0, // 400
    0, 0, 0, 0, 0, 4, 0,  0,  0,  0, 3,  0,  0, 0, 0,  9, 0, 0, 0, 0, // 420
    0, 9, 0, 0, 0, 0, 3,  4,  1,  8, 9,  0,  3, 3, 3,  0, 0, 9, 0, 0, // 440
    5, 1, 1, 1, 9, 9, 0,  0,  1,  4, 0,  0,  3, 3, 0,  0, 5, 0, 0, 0, // 460
    0, 2, 0, 0, 3, 0, 0,  4,  4,  0, 0,  0,  0, 3, 0,  0, 0, 4, 0, 0, // 480
    0, 9, 0, 0, 0, 0, 0,  0,  0,  2, 2,  5,  5, 5, 0,  0, 0, 0, 0, 5, // 500
    5, 1, 1, 1, 0, 0, 0,  0,  0,  0, 0,  0,  0, 0, 0,  0, 0, 8, 8, 9, // 520
    0, 0, 0, 0, 0, 0, 0,  0,  4,  0, 0,  0,  0, 5, 0,  0, 0, 0, 0, 0, // 540
    0, 0, 0, 4, 9, 0, 0,  0,  0,  8, 8,  0,  0, 0, 0,  0, 0, 5, 0, 0, // 560
    0, 1, 0, 0, 9, 0, 1,  0,  0,  0, 8,  9,  5, 5, 10, 3, 0, 0, 0, 0, // 580
    0, 0, 0, 0, 0, 0, 10, 10, 10, 0, 10, 10,                          // 600
};

// ---- The facts the rules test against ------------------------------------------

// The values of each field, its meanings and the span its code handles, are the game's value
// table (table/GameValues.h); below are the facts about models and floats it does not hold.

// The only models the special engine code (SpecialKind) has a sound for.
constexpr std::array<std::string_view, 11> SpecialEngineModels{
    "artict1", "artict2", "artict3",  "petrotr",  "rcbandit", "rctiger",
    "caddy",   "rcbaron", "rcraider", "rcgoblin", "vortex",
};

// General sound banks among the vehicle banks that hold no engine, which the rules once
// judged by number (FormerRule).
constexpr std::array<std::int64_t, 18> GeneralBanks{27, 28, 29, 30, 31, 39,  51,  52,  59,
                                                    60, 66, 67, 74, 82, 105, 128, 138, 143};

// The largest gain the radio equaliser takes for a boost, and in size for a cut.
constexpr float MostBoostGain = 3.75F;
constexpr float MostCutGain = 1.0F;

// ---- The record as the rules read it ---------------------------------------------

const TLayoutField& GameField(std::string_view name) {
    const TLayoutField* field = FindLayoutField(GameLayout(), name);
    if (field == nullptr) {
        throw std::logic_error("the game's layout has no field " + std::string(name));
    }
    return *field;
}

struct TRecordValues {
    std::optional<int> Id;
    std::string_view Model;
    const TRecordBytes& Bytes;
    const TBankFacts& Banks;

    std::int64_t Integer(const TLayoutField& field) const {
        return IntegerValue(field.Type, ReadField(field, Bytes));
    }
    std::int64_t Integer(std::string_view name) const { return Integer(GameField(name)); }
    float Float(const TLayoutField& field) const { return FloatValue(ReadField(field, Bytes)); }
    float Float(std::string_view name) const { return Float(GameField(name)); }
    std::int64_t AudioType() const { return Integer("VehicleAudioType"); }
};

// Whether the game's code handles the value of the field (GameValues.h).
bool Handled(const TRecordValues& record, const TLayoutField& field) {
    return GameValuesOf(field.Name).Handles(record.Integer(field));
}

bool IsSpecialEngineModel(std::string_view model) {
    return std::any_of(
        SpecialEngineModels.begin(), SpecialEngineModels.end(),
        [model](std::string_view special) { return SameIgnoringCase(model, special); });
}

std::optional<int> StockTypeOf(const TRecordValues& record) {
    return record.Id ? StockAudioType(*record.Id) : std::nullopt;
}

// ---- The banks ------------------------------------------------------------------

// The rules that judge a bank by what it is, and those that judged it by its number before
// (FormerRule).
constexpr std::string_view PlayerOverrunRule = "player-bank-too-big";
constexpr std::string_view DummyOverrunRule = "dummy-bank-too-big";
constexpr std::string_view WrongKindRule = "bank-wrong-kind";
constexpr std::string_view NotVehicleBankRule = "not-vehicle-bank";
constexpr std::string_view GeneralBankRule = "general-bank";

bool UsersFiles(const TRecordValues& record) {
    return !record.Banks.UsersFolder.empty();
}

bool IsPlayerBank(const TLayoutField& field) {
    return field.Name == "PlayerBank";
}

// A boat's PlayerBank is never loaded nor played: its size and kind do not matter.
bool IsUnusedBank(const TRecordValues& record, const TLayoutField& field) {
    return IsPlayerBank(field) && record.AudioType() == BoatKind;
}

// The facts' state of the bank the field names; null for -1 and for a bank they do not hold.
const TBankState* BankState(const TRecordValues& record, const TLayoutField& field) {
    const std::int64_t bank = record.Integer(field);
    if (bank < 0 || std::cmp_greater_equal(bank, record.Banks.Banks.size())) {
        return nullptr;
    }
    return &record.Banks.Banks[static_cast<std::size_t>(bank)];
}

std::uint32_t SlotBytes(const TRecordValues& record, const TLayoutField& field) {
    return IsPlayerBank(field) ? record.Banks.PlayerSlotBytes : record.Banks.DummySlotBytes;
}

bool Overruns(const TRecordValues& record, const TLayoutField& field) {
    const TBankState* state = BankState(record, field);
    return state != nullptr && !IsUnusedBank(record, field) &&
           state->Bytes > SlotBytes(record, field);
}

// "96,336": sizes as a modder compares them with a tool's.
std::string GroupedDigits(std::uint32_t number) {
    std::string digits = std::to_string(number);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    }
    return digits;
}

std::string OverrunWhat(const TRecordValues& record, const TLayoutField& field) {
    const std::string sizes = "the bank's " + GroupedDigits(BankState(record, field)->Bytes) +
                              " bytes overrun the " + GroupedDigits(SlotBytes(record, field)) +
                              "-byte ";
    if (IsPlayerBank(field)) {
        return sizes + "player engine slot: the footsteps' slot after it is overwritten, a "
                       "crash is possible";
    }
    return sizes + "dummy engine slot: the next slot's sounds are overwritten, a crash is "
                   "possible";
}

// Only a user's own lookup says which banks exist and where; the game loads none it lacks.
bool NotInFiles(const TRecordValues& record, const TLayoutField& field) {
    if (!UsersFiles(record) || record.Integer(field) < 0 || IsUnusedBank(record, field)) {
        return false;
    }
    const TBankState* state = BankState(record, field);
    return state == nullptr || state->Unloadable.has_value();
}

std::string NotInFilesWhat(const TRecordValues& record, const TLayoutField& field) {
    const std::string silent = "the bank is never loaded, silent: ";
    if (const TBankState* state = BankState(record, field)) {
        return silent + *state->Unloadable;
    }
    const std::size_t count = record.Banks.Banks.size();
    return silent + "your BankLkup.dat holds " + std::to_string(count) + " banks" +
           (count == 0 ? std::string() : " (0 to " + std::to_string(count - 1) + ")");
}

// The game plays sounds 0 to 2 of whatever bank it is given as the engine: a bank of the
// other type, or no vehicle sound at all, is heard wrong. Judged by the stock game's banks;
// one a pack adds past them is unknown.
std::optional<std::string_view> WrongKind(const TRecordValues& record, const TLayoutField& field) {
    const std::int64_t bank = record.Integer(field);
    if (StockBankName(bank) == nullptr || IsUnusedBank(record, field)) {
        return std::nullopt;
    }
    switch (StockBankRole(bank)) {
    case TBankRole::NotVehicle:
        return "not a vehicle sound";
    case TBankRole::DummyEngine:
        return IsPlayerBank(field) ? std::optional("a dummy-type bank as PlayerBank")
                                   : std::nullopt;
    case TBankRole::PlayerEngine:
        return IsPlayerBank(field) ? std::nullopt
                                   : std::optional("a player-type bank as DummyBank");
    case TBankRole::Vehicle:
        break;
    }
    return std::nullopt;
}

std::string WrongKindWhat(const TRecordValues& record, const TLayoutField& field) {
    const TBankName& name = *StockBankName(record.Integer(field));
    return std::string(*WrongKind(record, field)) + " (" + std::string(name.Name) +
           "): wrong sounds, the game plays its sounds 0 to 2 as the engine";
}

bool IsGeneralBank(std::int64_t bank) {
    return std::find(GeneralBanks.begin(), GeneralBanks.end(), bank) != GeneralBanks.end();
}

bool IsNotVehicleBankNumber(std::int64_t bank) {
    return bank > LastVehicleBank && bank < BankCount;
}

std::string SpecialModelsWhat(const TRecordValues&, const TLayoutField&) {
    std::string what = "no engine sound (the special engine code knows only ";
    for (std::size_t i = 0; i < SpecialEngineModels.size(); ++i) {
        if (i > 0) {
            what += i + 1 == SpecialEngineModels.size() ? " and " : ", ";
        }
        what += SpecialEngineModels[i];
    }
    return what + ")";
}

std::string KindDiffersWhat(const TRecordValues& record, const TLayoutField& field) {
    const int stock = StockTypeOf(record).value_or(0);
    const std::optional<std::string_view> kind = MeaningOf(field, BitsOfInteger(field.Type, stock));
    return "the engine code treats the vehicle as the wrong kind (the stock game gives it " +
           std::to_string(stock) + ", " + std::string(kind.value_or("?")) +
           "): wrong or no sound, a crash is possible";
}

// What the game's value table says the value is, for a rule about that one value.
std::string ValueMeaningWhat(const TRecordValues& record, const TLayoutField& field) {
    const std::optional<std::string_view> meaning =
        MeaningOf(field, ReadField(field, record.Bytes));
    if (!meaning) {
        throw std::logic_error("a rule about a value the game's table has no meaning for");
    }
    return std::string(*meaning);
}

// ---- The rules -----------------------------------------------------------------

struct TRule {
    std::string_view Name;
    TSeverity Severity;
    std::span<const std::string_view> Fields; // the fields the rule is about
    bool (*Applies)(const TRecordValues& record, const TLayoutField& field);
    std::string_view What;
    // Where What depends on the record.
    std::string (*Describe)(const TRecordValues& record, const TLayoutField& field) = nullptr;
};

constexpr std::array<std::string_view, 1> AudioTypeField{"VehicleAudioType"};
constexpr std::array<std::string_view, 2> BankFields{"PlayerBank", "DummyBank"};
constexpr std::array<std::string_view, 1> PlayerBankField{"PlayerBank"};
constexpr std::array<std::string_view, 1> DummyBankField{"DummyBank"};
constexpr std::array<std::string_view, 1> BassSettingField{"BassSetting"};
constexpr std::array<std::string_view, 1> BassFactorField{"BassFactor"};
constexpr std::array<std::string_view, 4> FloatFields{"BassFactor", "EnginePitch", "HornPitch",
                                                      "EngineVolumeOffset"};
constexpr std::array<std::string_view, 1> HornTypeField{"HornType"};
constexpr std::array<std::string_view, 1> HornPitchField{"HornPitch"};
constexpr std::array<std::string_view, 1> DoorTypeField{"DoorType"};
constexpr std::array<std::string_view, 1> StationField{"RadioStation"};
constexpr std::array<std::string_view, 1> RadioTypeField{"RadioType"};
constexpr std::array<std::string_view, 1> NameTypeField{"VehicleAudioTypeForName"};

// Each value gets at most one finding: the first rule of its field that applies, so the
// rules of a field run from the gravest to the mildest. EnginePitch and EngineUpgrade have
// no reader in the game's code beyond the float check; rows 612..630 serve no vehicle.
constexpr auto Rules = std::to_array<TRule>({
    // A kind the audio code cannot start leaves the vehicle without engine, horn, siren
    // and radio, with nothing else to tell the modder why.
    {"audio-never-starts", TSeverity::Problem, AudioTypeField,
     [](const TRecordValues& record, const TLayoutField& field) {
         return record.Integer(field) == OneGearKind || !Handled(record, field);
     },
     "audio never starts: no engine, horn, siren or radio"},
    // The special kind on another model: its engine is silent, though the kind is valid.
    {"special-engine-model", TSeverity::Problem, AudioTypeField,
     [](const TRecordValues& record, const TLayoutField& field) {
         return record.Integer(field) == SpecialKind && !IsSpecialEngineModel(record.Model);
     },
     "", SpecialModelsWhat},
    // "No vehicle" is meant for trailers and props; on anything driven it is a mute vehicle.
    {"no-vehicle-audio", TSeverity::Note, AudioTypeField,
     [](const TRecordValues& record, const TLayoutField& field) {
         return record.Integer(field) == NoVehicleKind;
     },
     "no audio at all (the stock game uses it for trailers and small props)"},
    // A boat's kind on a car and the like: the engine code reads the vehicle wrongly. An
    // added vehicle has no stock kind to differ from.
    {"kind-differs", TSeverity::Note, AudioTypeField,
     [](const TRecordValues& record, const TLayoutField& field) {
         const std::optional<int> stock = StockTypeOf(record);
         return stock && record.Integer(field) != *stock;
     },
     "", KindDiffersWhat},

    // Cars and bikes play both banks; without either the player hears no engine.
    {"engine-bank-missing", TSeverity::Problem, BankFields,
     [](const TRecordValues& record, const TLayoutField& field) {
         const std::int64_t type = record.AudioType();
         return record.Integer(field) == NoBank && (type == CarKind || type == BikeKind);
     },
     "the player's engine is silent"},
    // The game's range test is off by one: bank 710 does not exist but is let through.
    {"bank-710", TSeverity::Problem, BankFields,
     [](const TRecordValues& record, const TLayoutField& field) {
         return record.Integer(field) == BankCount;
     },
     "likely crash: the game has 710 banks (0..709) and its range test lets 710 through"},
    {"bank-never-loaded", TSeverity::Problem, BankFields,
     [](const TRecordValues& record, const TLayoutField& field) {
         return record.Integer(field) < NoBank;
     },
     "the bank is never loaded: silent"},
    {"bank-not-in-files", TSeverity::Problem, BankFields, NotInFiles, "", NotInFilesWhat},
    // The game copies a bank into its slot without a size check.
    {PlayerOverrunRule, TSeverity::Problem, PlayerBankField, Overruns, "", OverrunWhat},
    {DummyOverrunRule, TSeverity::Problem, DummyBankField, Overruns, "", OverrunWhat},
    // Packs add banks past the stock ones through their own BankLkup.dat; without such a
    // file the bank is never loaded. Where the user's files are not known this cannot be
    // told, so it is no problem; where they are, they have judged it above.
    {"bank-beyond-stock", TSeverity::Note, BankFields,
     [](const TRecordValues& record, const TLayoutField& field) {
         return record.Integer(field) > BankCount && !UsersFiles(record);
     },
     "beyond the stock 710 banks: silent unless your BankLkup.dat adds it"},
    {WrongKindRule, TSeverity::Note, BankFields,
     [](const TRecordValues& record, const TLayoutField& field) {
         return WrongKind(record, field).has_value();
     },
     "", WrongKindWhat},
    // Every bank the stock game numbers as a speech, mission or general bank (once judged
    // by number alone: not-vehicle-bank, general-bank) is no vehicle sound: the kind and
    // size above speak for it (FormerRule).

    {"bass-preset-unknown", TSeverity::Note, BassSettingField,
     [](const TRecordValues& record, const TLayoutField& field) { return !Handled(record, field); },
     "reads past a three-entry preset table when the player's Bass Boost option is on; "
     "effect unknown"},

    // A NaN or infinity spreads through every volume and pitch computed from it.
    {"float-not-finite", TSeverity::Problem, FloatFields,
     [](const TRecordValues& record, const TLayoutField& field) {
         return !std::isfinite(record.Float(field));
     },
     "arithmetic on it poisons volumes and pitches"},
    // A gain the equaliser refuses silently undoes the bass setting the modder chose.
    {"bass-gain-refused", TSeverity::Note, BassFactorField,
     [](const TRecordValues& record, const TLayoutField& field) {
         const float gain = record.Float(field);
         const std::int64_t setting = record.Integer("BassSetting");
         return (setting == BoostBass && gain > MostBoostGain) ||
                (setting == CutBass && std::fabs(gain) > MostCutGain);
     },
     "the radio equaliser refuses the gain, so the bass setting is ignored"},

    {"no-horn", TSeverity::Problem, HornTypeField,
     [](const TRecordValues& record, const TLayoutField& field) { return !Handled(record, field); },
     "no horn (-1 is no horn, 0 the bicycle bell, 1..9 car horns)"},
    {"horn-pitch-not-positive", TSeverity::Note, HornPitchField,
     [](const TRecordValues& record, const TLayoutField& field) {
         return record.Float(field) <= 0.0F;
     },
     "a horn pitch of zero or below: effect unknown"},

    {"no-door-sound", TSeverity::Problem, DoorTypeField,
     [](const TRecordValues& record, const TLayoutField& field) { return !Handled(record, field); },
     "no door sound (-1 behaves like 2)"},

    {"radio-station-off", TSeverity::Note, StationField,
     [](const TRecordValues& record, const TLayoutField& field) {
         return record.Integer(field) > RadioOff;
     },
     "treated as 13, radio off"},
    {"radio-station-negative", TSeverity::Note, StationField,
     [](const TRecordValues& record, const TLayoutField& field) {
         return record.Integer(field) < FirstStation;
     },
     "used unchecked as an index into a 14-entry table; effect unknown"},
    // A station set on a police or special radio never plays: the modder's choice is lost.
    {"radio-station-ignored", TSeverity::Note, StationField,
     [](const TRecordValues& record, const TLayoutField& field) {
         return record.Integer(field) != RadioOff && record.Integer("RadioType") != CivilianRadio;
     },
     "the station is ignored (only civilian radio, type 0, uses it)"},

    {"no-radio", TSeverity::Problem, RadioTypeField,
     [](const TRecordValues& record, const TLayoutField& field) { return !Handled(record, field); },
     "no radio"},
    {"radio-forced-off", TSeverity::Note, RadioTypeField,
     [](const TRecordValues& record, const TLayoutField& field) {
         return record.Integer(field) == ForcedOffRadio;
     },
     "", ValueMeaningWhat},

    {"generic-name-in-speech", TSeverity::Note, NameTypeField,
     [](const TRecordValues& record, const TLayoutField& field) { return !Handled(record, field); },
     "treated as a generic vehicle in pedestrians' speech"},
});

bool IsAbout(const TRule& rule, const TLayoutField& field) {
    return std::find(rule.Fields.begin(), rule.Fields.end(), field.Name) != rule.Fields.end();
}

} // namespace

std::optional<int> StockAudioType(int id) {
    if (id < FirstVehicleId || id > LastModelId) {
        return std::nullopt;
    }
    return StockAudioTypes[static_cast<std::size_t>(id - FirstVehicleId)];
}

std::vector<TFinding> CheckRecord(std::optional<int> id, std::string_view model,
                                  const TRecordBytes& bytes, const TBankFacts& banks) {
    if (id && (*id < FirstVehicleId || *id > LastVehicleId)) {
        throw std::out_of_range("no vehicle slot " + std::to_string(*id));
    }
    std::vector<TFinding> findings;
    if (id && *id > LastModelId) {
        return findings;
    }
    // A slot's own model name decides, whatever name the caller's file gives it.
    const TRecordValues record{id, id ? ModelName(*id) : model, bytes, banks};
    for (const TLayoutField& field : GameLayout()) {
        for (const TRule& rule : Rules) {
            if (IsAbout(rule, field) && rule.Applies(record, field)) {
                findings.push_back(
                    {rule.Name, rule.Severity, &field, ReadField(field, bytes),
                     rule.Describe ? rule.Describe(record, field) : std::string(rule.What)});
                break;
            }
        }
    }
    return findings;
}

std::optional<std::string_view> FormerRule(const TFinding& finding) {
    constexpr std::array<std::string_view, 3> ByWhatTheyAre{PlayerOverrunRule, DummyOverrunRule,
                                                            WrongKindRule};
    if (finding.Field == nullptr || std::find(ByWhatTheyAre.begin(), ByWhatTheyAre.end(),
                                              finding.Rule) == ByWhatTheyAre.end()) {
        return std::nullopt;
    }
    const std::int64_t bank = IntegerValue(finding.Field->Type, finding.Value);
    if (IsNotVehicleBankNumber(bank)) {
        return NotVehicleBankRule;
    }
    if (IsGeneralBank(bank)) {
        return GeneralBankRule;
    }
    return std::nullopt;
}

std::string_view SeverityName(TSeverity severity) {
    return severity == TSeverity::Problem ? "problem" : "note";
}

} // namespace klarvon
