#include "cli/DemoExecutable.h"

#include "table/TableLocator.h"

#include <algorithm>
#include <array>
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

enum class TKind { Car, MotorBike, Bike, Boat, Helicopter, Plane, Train, Trailer, Toy, Spare };

struct TKindOfId {
    int Id;
    TKind Kind;
};

// Vehicles that are not ordinary cars; every other ID below the spare slots is a car.
constexpr auto NonCars = std::to_array<TKindOfId>({
    {417, TKind::Helicopter}, {425, TKind::Helicopter}, {430, TKind::Boat},
    {435, TKind::Trailer},    {441, TKind::Toy},        {446, TKind::Boat},
    {447, TKind::Helicopter}, {448, TKind::MotorBike},  {449, TKind::Train},
    {450, TKind::Trailer},    {452, TKind::Boat},       {453, TKind::Boat},
    {454, TKind::Boat},       {460, TKind::Plane},      {461, TKind::MotorBike},
    {462, TKind::MotorBike},  {463, TKind::MotorBike},  {464, TKind::Toy},
    {465, TKind::Toy},        {468, TKind::MotorBike},  {469, TKind::Helicopter},
    {471, TKind::MotorBike},  {472, TKind::Boat},       {473, TKind::Boat},
    {476, TKind::Plane},      {481, TKind::Bike},       {484, TKind::Boat},
    {487, TKind::Helicopter}, {488, TKind::Helicopter}, {493, TKind::Boat},
    {497, TKind::Helicopter}, {501, TKind::Toy},        {509, TKind::Bike},
    {510, TKind::Bike},       {511, TKind::Plane},      {512, TKind::Plane},
    {513, TKind::Plane},      {519, TKind::Plane},      {520, TKind::Plane},
    {521, TKind::MotorBike},  {522, TKind::MotorBike},  {523, TKind::MotorBike},
    {537, TKind::Train},      {538, TKind::Train},      {548, TKind::Helicopter},
    {553, TKind::Plane},      {563, TKind::Helicopter}, {564, TKind::Toy},
    {569, TKind::Train},      {570, TKind::Train},      {577, TKind::Plane},
    {581, TKind::MotorBike},  {584, TKind::Trailer},    {586, TKind::MotorBike},
    {590, TKind::Train},      {591, TKind::Trailer},    {592, TKind::Plane},
    {593, TKind::Plane},      {594, TKind::Toy},        {595, TKind::Boat},
    {606, TKind::Trailer},    {607, TKind::Trailer},    {608, TKind::Trailer},
    {610, TKind::Trailer},    {611, TKind::Trailer},    {539, TKind::Boat},
});

// Police, army and rescue: the radio plays for "Noncivilian vehicles".
constexpr std::array<int, 17> ServiceVehicles{407, 416, 425, 427, 432, 433, 470, 490, 497,
                                              520, 523, 528, 544, 596, 597, 598, 599};

constexpr int FirstSpareId = 612;

TKind KindOf(int id) {
    if (id >= FirstSpareId) {
        return TKind::Spare;
    }
    const auto found = std::find_if(NonCars.begin(), NonCars.end(),
                                    [id](const TKindOfId& entry) { return entry.Id == id; });
    return found == NonCars.end() ? TKind::Car : found->Kind;
}

struct TKindDefaults {
    std::int16_t VehicleType;
    std::int16_t FirstEngineSound; // -1: no engine
    int EngineSoundCount;
    std::int32_t HornType;
    std::int16_t DoorSoundType; // -1: a door type picked per vehicle
    std::uint8_t RadioType;
    float Unknown2;
    float Unknown3;
};

constexpr std::int16_t AnyDoor = -1;
constexpr std::int16_t NoEngine = -1;

// Indexed by TKind.
constexpr std::array<TKindDefaults, 10> Defaults{{
    {0, 20, 110, 1, AnyDoor, 0, 0.78F, 1.0F},   // Car
    {1, 130, 16, 0, 255, 0, 0.85F, 1.1F},       // MotorBike
    {2, NoEngine, 0, 0, 255, 1, 1.0F, 1.0F},    // Bike
    {3, 150, 12, 255, 255, 0, 0.9F, 1.0F},      // Boat
    {4, 170, 8, 255, 255, 0, 1.0F, 1.25F},      // Helicopter
    {5, 180, 14, 255, 255, 0, 1.0F, 1.5F},      // Plane
    {8, 200, 5, 255, 255, 1, 1.0F, 1.0F},       // Train
    {9, NoEngine, 0, 255, 255, 1, 1.0F, 1.0F},  // Trailer
    {10, 210, 4, 255, 255, 1, 0.6F, 0.5F},      // Toy (radio-controlled)
    {10, NoEngine, 0, 255, 255, 1, 1.0F, 1.0F}, // Spare slot
}};

constexpr int HornTypesForCars = 9; // horn types 1..9
constexpr int DoorTypesForCars = 5; // door types 0..4
constexpr int StationsForCars = 12; // stations 1..12
constexpr std::uint8_t NoStation = 13;
constexpr int HornToneSteps = 41; // tones 0.80 .. 1.20

// Odd values that real tables hold too, so users see how the editor takes them.
struct TOddValue {
    int Id;
    TField Field;
    std::int64_t Value;
};

constexpr std::array<TOddValue, 8> OddValues{{
    {431, TField::DoorSoundType, 257}, // BUS: shows Type 5, written back as 255
    {437, TField::DoorSoundType, 257}, // COACH
    {441, TField::RadioType, 255},     // RCBANDIT: shows Special vehicles
    {564, TField::RadioType, 255},     // RCTIGER
    {539, TField::VehicleType, 6},     // VORTEX: shows Special, written back as 10
    {539, TField::HornType, 10},       // shows slider 10, written back as 255
    {509, TField::RadioStation, 0},    // BIKE: shows Nothing, written back as 13
    {404, TField::DoorSoundType, 5},   // PEREN: shows Type 5, written back as 255
}};

void SetInteger(TVehicleAudioRecord& record, TField field, std::int64_t value) {
    record[field] = BitsOfInteger(EditorField(field).Type, value);
}

void SetFloat(TVehicleAudioRecord& record, TField field, float value) {
    record[field] = BitsOfFloat(value);
}

} // namespace

TVehicleAudioRecord DemoRecord(int id) {
    if (id < FirstVehicleId || id > LastVehicleId) {
        throw std::out_of_range("no demo record for ID " + std::to_string(id));
    }
    const TKind kind = KindOf(id);
    const TKindDefaults& defaults = Defaults[static_cast<std::size_t>(kind)];
    const bool isService =
        std::find(ServiceVehicles.begin(), ServiceVehicles.end(), id) != ServiceVehicles.end();
    const int spread = id * 37; // varies the per-vehicle picks without looking random

    TVehicleAudioRecord record;
    SetInteger(record, TField::VehicleType, defaults.VehicleType);
    const std::int64_t engine =
        defaults.FirstEngineSound == NoEngine
            ? NoEngine
            : defaults.FirstEngineSound + spread % defaults.EngineSoundCount;
    SetInteger(record, TField::PowerOnSoundId, engine);
    SetInteger(record, TField::PowerOffSoundId, engine == NoEngine ? NoEngine : engine + 1);
    SetInteger(record, TField::Unknown1, kind == TKind::Car ? id % 3 : 0);
    SetFloat(record, TField::Unknown2, defaults.Unknown2);
    SetFloat(record, TField::Unknown3, defaults.Unknown3);

    const bool isCar = kind == TKind::Car;
    SetInteger(record, TField::HornType, isCar ? 1 + spread % HornTypesForCars : defaults.HornType);
    const float tone = isCar ? 0.8F + static_cast<float>(spread % HornToneSteps) / 100.0F : 1.0F;
    SetFloat(record, TField::HornTone, tone);
    SetInteger(record, TField::DoorSoundType,
               defaults.DoorSoundType == AnyDoor ? id % DoorTypesForCars : defaults.DoorSoundType);

    const bool hasStation = isCar || kind == TKind::Boat || kind == TKind::Helicopter ||
                            kind == TKind::Plane || kind == TKind::MotorBike;
    SetInteger(record, TField::RadioStation,
               hasStation && !isService ? 1 + spread % StationsForCars : NoStation);
    SetInteger(record, TField::RadioType, isService ? 3 : defaults.RadioType);

    SetInteger(record, TField::Unknown4, static_cast<int>(kind));
    SetInteger(record, TField::Unknown5, id % 4);
    SetInteger(record, TField::Unknown6, isCar ? 0 : 255);
    SetFloat(record, TField::Unknown7, isCar ? 1.0F : 0.0F);
    SetInteger(record, TField::Unknown8, 0);

    for (const TOddValue& odd : OddValues) {
        if (odd.Id == id) {
            SetInteger(record, odd.Field, odd.Value);
        }
    }
    return record;
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
