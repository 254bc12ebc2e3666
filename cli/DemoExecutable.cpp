#include "cli/DemoExecutable.h"

#include "catalogue/AudioRules.h"
#include "catalogue/ModelNames.h"
#include "table/GameValues.h"
#include "table/TableLocator.h"

#include <algorithm>
#include <array>
#include <span>
#include <stdexcept>
#include <string_view>

namespace klarvon::cli {

namespace {

// ---- Filler ---------------------------------------------------------------------

// Every copy of the signature starts with this byte; filler never holds it, so no
// copy can start inside the filler.
constexpr std::uint8_t SignatureFirstByte = TableSignature[0];
constexpr std::uint32_t FillerSeed = 0x4B4C5256; // "KLRV"

// A DOS header look-alike, so the file starts like an executable.
using namespace std::string_view_literals;
constexpr std::string_view ExecutableHeader =
    "MZ\x90\0\x03\0\0\0\x04\0\0\0\xFF\xFF\0\0"
    "Klarvon demo executable. This program cannot be run in DOS mode.\r\n$"sv;

class TFillerBytes {
public:
    explicit TFillerBytes(std::uint32_t seed) : state_(seed) {}

    // xorshift32: cheap and the same on every machine.
    std::uint8_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        const auto byte = static_cast<std::uint8_t>(state_ >> 24);
        return byte == SignatureFirstByte ? static_cast<std::uint8_t>(byte + 1) : byte;
    }

private:
    std::uint32_t state_;
};

void AppendFiller(std::vector<std::uint8_t>& bytes, TFillerBytes& filler, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        bytes.push_back(filler.Next());
    }
}

// ---- Records --------------------------------------------------------------------

// Laid out as the game lays them out: its fields (GameLayout()), pad bytes zero. Each model
// keeps the kind the stock game gives it, and its other values are invented but of the kinds
// the game plays, spread over every choice, so that checking the demo finds no problem.

// The kinds and every other value with a meaning are the game's value table
// (table/GameValues.h), the one that `show --game` and `check` read them by.

struct TBanks {
    std::int16_t Player;
    std::int16_t Dummy;
};

// Engine banks as the game pairs them: a car's or bike's dummy bank just below its player
// bank, helicopters with none, all among the general sounds' engine banks.
constexpr auto CarBanks = std::to_array<TBanks>({
    {8, 7},     {11, 10},   {17, 16},   {26, 25},   {33, 32},   {35, 34},   {38, 37},
    {46, 45},   {48, 47},   {58, 57},   {62, 61},   {69, 68},   {71, 70},   {76, 75},
    {81, 80},   {84, 83},   {87, 86},   {89, 88},   {93, 92},   {95, 94},   {99, 98},
    {101, 100}, {103, 102}, {115, 114}, {127, 126}, {137, 136}, {142, 141},
});
constexpr auto MotorBikeBanks =
    std::to_array<TBanks>({{41, 40}, {48, 47}, {115, 114}, {119, 118}, {125, 124}, {140, 139}});
constexpr auto BicycleBanks = std::to_array<TBanks>({{19, 18}});
constexpr auto BoatBanks = std::to_array<TBanks>({{22, 21}});
constexpr auto HelicopterBanks = std::to_array<TBanks>({{12, NoBank}, {85, NoBank}, {104, NoBank}});
constexpr auto PlaneBanks =
    std::to_array<TBanks>({{53, 54}, {120, 54}, {134, 135}, {NoBank, NoBank}});
constexpr auto TrainBanks = std::to_array<TBanks>({{132, 133}, {132, 131}});
constexpr auto ToyBanks =
    std::to_array<TBanks>({{64, 63}, {78, 77}, {107, 106}, {109, 108}, {113, 112}});
constexpr auto SilentBanks = std::to_array<TBanks>({{NoBank, NoBank}});
constexpr auto PropBanks = std::to_array<TBanks>({{130, 129}, {NoBank, NoBank}});

// The special kind's models that are towed: no engine of their own.
constexpr std::array<int, 4> ArticulatedTrailers{435, 450, 584, 591};

// Police, army and rescue: the emergency radio, no station.
constexpr std::array<int, 17> ServiceVehicles{407, 416, 425, 427, 432, 433, 470, 490, 497,
                                              520, 523, 528, 544, 596, 597, 598, 599};

constexpr int FirstSpareId = LastModelId + 1;

// Choices a table holds that the stock game does not use, so users see them too.
constexpr int SeaplaneId = 460;       // SKIMMER, a plane to the stock game
constexpr int RadioForcedOffId = 530; // FORKLIFT

// Doors: 1 old in the stock's buses, with the upgrade byte that shows as 257 in the
// editor's two-byte field.
constexpr std::array<int, 2> OldDoorBuses{431, 437};

constexpr std::array<float, 6> BassFactors{0.7F, 0.78F, 0.85F, 0.9F, 0.65F, 1.0F};
constexpr std::array<float, 3> OtherEnginePitches{1.1892071F, 1.3348398F, 0.8908987F};
constexpr std::array<float, 9> HornPitches{0.8908987F, 0.9438743F,  1.0F,
                                           1.0594631F, 1.122462F,   1.1892071F,
                                           1.2599211F, 0.84089643F, 0.79370052F};
constexpr std::array<float, 3> EngineVolumeOffsets{3.0F, 5.0F, 6.0F};

constexpr std::int64_t CarHorns = LastCarHorn - FirstCarHorn + 1;
constexpr std::int64_t DoorChoices = VanDoor - UnsetDoor + 1;
constexpr std::int64_t RadioStations = RadioOff - FirstStation; // the stations before "off"
constexpr std::int64_t NameWords = LastNameWord + 1;            // 0..45; NoNameWord aside
constexpr std::int64_t BassSettings = std::ssize(BassMeanings);

template <class TValue, std::size_t Size>
TValue Pick(const std::array<TValue, Size>& choices, int spread) {
    return choices[static_cast<std::size_t>(spread) % Size];
}

bool IsOneOf(std::span<const int> ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

std::int64_t DemoKind(int id) {
    if (id >= FirstSpareId) {
        return NoVehicleKind;
    }
    return id == SeaplaneId ? SeaplaneKind : StockAudioType(id).value();
}

TBanks DemoBanks(int id, std::int64_t kind, int spread) {
    switch (kind) {
    case CarKind:
        return Pick(CarBanks, spread);
    case BikeKind:
        return Pick(MotorBikeBanks, spread);
    case BmxKind:
        return Pick(BicycleBanks, spread);
    case BoatKind:
        return Pick(BoatBanks, spread);
    case HeliKind:
        return Pick(HelicopterBanks, spread);
    case PlaneKind:
    case SeaplaneKind:
        return Pick(PlaneBanks, spread);
    case TrainKind:
        return Pick(TrainBanks, spread);
    case SpecialKind:
        return IsOneOf(ArticulatedTrailers, id) ? SilentBanks[0] : Pick(ToyBanks, spread);
    default:
        return id >= FirstSpareId ? SilentBanks[0] : Pick(PropBanks, spread);
    }
}

std::int64_t DemoRadioType(int id, std::int64_t kind) {
    if (id == RadioForcedOffId) {
        return ForcedOffRadio;
    }
    if (IsOneOf(ServiceVehicles, id)) {
        return EmergencyRadio;
    }
    if (kind == TrainKind || kind == NoVehicleKind) {
        return DisabledRadio;
    }
    const bool toy = kind == SpecialKind && id != IdOfModelName("caddy");
    return kind == BmxKind || toy ? SpecialRadio : CivilianRadio;
}

std::int64_t DemoDoor(int id, std::int64_t kind) {
    if (IsOneOf(OldDoorBuses, id)) {
        return OldDoor;
    }
    switch (kind) {
    case CarKind:
        return UnsetDoor + id % DoorChoices;
    case HeliKind:
    case PlaneKind:
    case SeaplaneKind:
        return LightDoor;
    case TrainKind:
        return TruckDoor;
    default:
        return UnsetDoor;
    }
}

class TGameRecord {
public:
    void Set(std::string_view field, std::int64_t value) {
        const TLayoutField& target = Field(field);
        WriteField(target, BitsOfInteger(target.Type, value), record_.Bytes);
    }
    void SetFloat(std::string_view field, float value) {
        WriteField(Field(field), BitsOfFloat(value), record_.Bytes);
    }
    const TVehicleAudioRecord& Record() const { return record_; }

private:
    static const TLayoutField& Field(std::string_view name) {
        const TLayoutField* field = FindLayoutField(GameLayout(), name);
        if (field == nullptr) {
            throw std::logic_error("the game's layout has no field " + std::string(name));
        }
        return *field;
    }

    TVehicleAudioRecord record_;
};

} // namespace

TVehicleAudioRecord DemoRecord(int id) {
    if (id < FirstVehicleId || id > LastVehicleId) {
        throw std::out_of_range("no demo record for ID " + std::to_string(id));
    }
    const std::int64_t kind = DemoKind(id);
    const bool car = kind == CarKind;
    const bool driven = car || kind == BikeKind;
    const int spread = id * 37; // varies the per-vehicle picks without looking random

    TGameRecord record;
    record.Set("VehicleAudioType", kind);
    const TBanks banks = DemoBanks(id, kind, spread);
    record.Set("PlayerBank", banks.Player);
    record.Set("DummyBank", banks.Dummy);

    std::int64_t bass = NormalBass;
    if (kind == BikeKind || kind == BmxKind) {
        bass = CutBass;
    } else if (kind == BoatKind) {
        bass = spread % BassSettings;
    } else if (car && id % 7 == 0) {
        bass = BoostBass;
    }
    record.Set("BassSetting", bass);
    record.SetFloat("BassFactor", Pick(BassFactors, spread));
    record.SetFloat("EnginePitch", car && id % 9 == 0 ? Pick(OtherEnginePitches, id / 9) : 1.0F);

    std::int64_t horn = NoHorn;
    if (driven) {
        horn = FirstCarHorn + spread % CarHorns;
    } else if (kind == BmxKind) {
        horn = BicycleBell;
    }
    record.Set("HornType", horn);
    record.SetFloat("HornPitch", driven ? Pick(HornPitches, spread) : 1.0F);
    record.Set("DoorType", DemoDoor(id, kind));
    const int upgrade = IsOneOf(OldDoorBuses, id) ? 1 : (car && id % 23 == 0 ? 1 + id / 23 % 2 : 0);
    record.Set("EngineUpgrade", upgrade);

    const std::int64_t radio = DemoRadioType(id, kind);
    record.Set("RadioStation", radio == CivilianRadio ? spread % RadioStations : RadioOff);
    record.Set("RadioType", radio);
    const bool named = kind != SpecialKind && kind != NoVehicleKind;
    record.Set("VehicleAudioTypeForName", named ? (id - FirstVehicleId) % NameWords : NoNameWord);
    record.SetFloat("EngineVolumeOffset",
                    car && id % 11 == 0 ? Pick(EngineVolumeOffsets, id / 11) : 0.0F);
    return record.Record();
}

std::vector<std::uint8_t> BuildDemoExecutable() {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(DemoLeadingFillerSize + RecordSize * (SlotCount + 1) + DemoTrailingFillerSize);
    TFillerBytes filler(FillerSeed);

    bytes.insert(bytes.end(), ExecutableHeader.begin(), ExecutableHeader.end());
    AppendFiller(bytes, filler, DemoLeadingFillerSize - bytes.size());
    bytes.insert(bytes.end(), TableSignature.begin(), TableSignature.end());
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        const TRecordBytes record = DemoRecord(id).Bytes;
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    AppendFiller(bytes, filler, DemoTrailingFillerSize);

    // Records may hold the signature's first byte: make sure the one copy we placed is
    // the last one, and that none ends before it.
    const std::span<const std::uint8_t> all(bytes);
    const std::size_t beforeOurs = DemoLeadingFillerSize + RecordSize - 1;
    if (TTableLocator::FindLastSignature(all) != DemoSignatureOffset ||
        TTableLocator::FindLastSignature(all.first(beforeOurs)) != -1) {
        throw std::logic_error("the demo executable holds a stray table signature");
    }
    return bytes;
}

} // namespace klarvon::cli
