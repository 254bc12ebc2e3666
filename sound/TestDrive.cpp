#include "sound/TestDrive.h"

#include "sound/Resample.h"
#include "table/FieldLayout.h"
#include "table/FileRead.h"
#include "table/GameValues.h"
#include "table/ValueType.h"

#include <array>
#include <charconv>
#include <cmath>
#include <map>
#include <stdexcept>
#include <utility>

namespace klarvon::sound {

namespace {

// The sounds of an engine bank, as the game plays them.
constexpr int AccelerateSound = 0; // PlayerBank, once per audio gear
constexpr int CruiseSound = 1;     // PlayerBank, throttle held at top speed
constexpr int ThrottleOffSound = 2;
constexpr int RevSound = 0; // DummyBank; a boat's only engine sound
constexpr int IdleSound = 1;

// HornType 0 is the bicycle bell, played at its own pitch; 1..9 are horns.
constexpr std::int64_t BellHorn = 0;
constexpr std::int64_t LastHorn = 9;

// The open and close sounds of bank 138 for each DoorType 0..4; -1 sounds as 2.
struct TDoorSounds {
    int Open;
    int Close;
};
constexpr std::array<TDoorSounds, 5> DoorSounds{{{39, 32}, {41, 34}, {40, 33}, {43, 36}, {42, 35}}};
constexpr std::int64_t DoorTypeLikeNone = 2;

constexpr std::uint32_t MillisecondsPerSecond = 1000;

std::int64_t Integer(const TRecordBytes& bytes, std::string_view name) {
    const TLayoutField& field = *FindLayoutField(GameLayout(), name);
    return IntegerValue(field.Type, ReadField(field, bytes));
}

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

// The shortest text that reads back as the same float.
std::string FloatText(float value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    std::array<char, 32> text{};
    const std::to_chars_result written =
        std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), written.ptr);
}

} // namespace

TVehicleSounds VehicleSoundsOf(const TRecordBytes& bytes) {
    TVehicleSounds vehicle;
    vehicle.AudioType = Integer(bytes, "VehicleAudioType");
    vehicle.PlayerBank = Integer(bytes, "PlayerBank");
    vehicle.DummyBank = Integer(bytes, "DummyBank");
    vehicle.HornType = Integer(bytes, "HornType");
    vehicle.HornPitch = FloatValue(ReadField(*FindLayoutField(GameLayout(), "HornPitch"), bytes));
    vehicle.DoorType = Integer(bytes, "DoorType");
    return vehicle;
}

std::vector<TSoundPart> TestDriveParts(const TVehicleSounds& vehicle,
                                       std::vector<std::string>& leftOut) {
    std::vector<TSoundPart> parts;
    const bool boat = vehicle.AudioType == BoatKind;
    if (vehicle.DummyBank < 0) {
        leftOut.push_back((boat ? "no engine" : "no idle") + std::string(": DummyBank is ") +
                          Number(vehicle.DummyBank));
    } else if (boat) {
        parts.push_back({"engine", vehicle.DummyBank, RevSound, 1.0, 0});
    } else {
        parts.push_back({"idle", vehicle.DummyBank, IdleSound, 1.0, 0});
    }
    if (boat) {
        leftOut.emplace_back("no accelerate, cruise or throttle off: a boat's PlayerBank is never "
                             "played");
    } else if (vehicle.PlayerBank < 0) {
        leftOut.push_back("no accelerate, cruise or throttle off: PlayerBank is " +
                          Number(vehicle.PlayerBank));
    } else {
        int gear = 1;
        for (double pitch : GearPitches) {
            parts.push_back({"accelerate, gear " + std::to_string(gear++), vehicle.PlayerBank,
                             AccelerateSound, pitch, 0});
        }
        parts.push_back({"cruise", vehicle.PlayerBank, CruiseSound, 1.0, 0});
        parts.push_back({"throttle off", vehicle.PlayerBank, ThrottleOffSound, 1.0, 0});
    }
    for (TSoundPart& horn : HornParts(vehicle, leftOut)) {
        horn.PauseBefore = PauseMilliseconds;
        parts.push_back(std::move(horn));
    }
    return parts;
}

std::vector<TSoundPart> HornParts(const TVehicleSounds& vehicle,
                                  std::vector<std::string>& leftOut) {
    if (vehicle.HornType < BellHorn || vehicle.HornType > LastHorn) {
        leftOut.push_back("no horn: HornType is " + Number(vehicle.HornType));
        return {};
    }
    const int sound = static_cast<int>(vehicle.HornType);
    if (vehicle.HornType == BellHorn) {
        return {{"bell", HornBank, sound, 1.0, 0}};
    }
    if (!std::isfinite(vehicle.HornPitch) || vehicle.HornPitch <= 0.0F) {
        leftOut.push_back("no horn: a HornPitch of " + FloatText(vehicle.HornPitch) +
                          " cannot be played");
        return {};
    }
    return {{"horn", HornBank, sound, vehicle.HornPitch, 0}};
}

std::vector<TSoundPart> DoorParts(const TVehicleSounds& vehicle,
                                  std::vector<std::string>& leftOut) {
    const std::int64_t type = vehicle.DoorType == -1 ? DoorTypeLikeNone : vehicle.DoorType;
    if (type < 0 || type >= static_cast<std::int64_t>(DoorSounds.size())) {
        leftOut.push_back("no door sound: DoorType is " + Number(vehicle.DoorType));
        return {};
    }
    const TDoorSounds& doors = DoorSounds[static_cast<std::size_t>(type)];
    return {{"door open", VehicleGeneralBank, doors.Open, 1.0, 0},
            {"door close", VehicleGeneralBank, doors.Close, 1.0, PauseMilliseconds}};
}

TPcmSound PlayParts(const TGameSounds& sounds, const std::vector<TSoundPart>& parts,
                    std::vector<std::string>& leftOut) {
    TPcmSound played{OutputRate, {}, std::nullopt};
    // Each bank's sounds read once, each sound's samples once: the gears play one sound.
    std::map<std::int64_t, std::vector<TSoundEntry>> banks;
    std::map<std::pair<std::int64_t, int>, std::vector<std::int16_t>> samples;
    for (const TSoundPart& part : parts) {
        const std::string lacking = "no " + part.Name + ": bank " + Number(part.Bank);
        if (!sounds.HasBank(part.Bank)) {
            leftOut.push_back(lacking + " is not in BankLkup.dat (it holds " +
                              Number(sounds.BankCount()) + ")");
            continue;
        }
        if (std::optional<std::string> why = sounds.WhyUnloadable(part.Bank)) {
            leftOut.push_back(lacking + ": " + *why);
            continue;
        }
        auto bank = banks.find(part.Bank);
        if (bank == banks.end()) {
            try {
                bank = banks.emplace(part.Bank, sounds.Sounds(part.Bank)).first;
            } catch (const ENamedInOutError&) {
                throw; // the disk failing is no fault of the bank
            } catch (const EFinalError& failure) {
                leftOut.push_back("no " + part.Name + ": " + failure.what());
                continue;
            }
        }
        if (part.Sound >= static_cast<int>(bank->second.size())) {
            leftOut.push_back(lacking + " has no sound " + Number(part.Sound) + " (it has " +
                              Number(static_cast<std::int64_t>(bank->second.size())) + ")");
            continue;
        }
        const TSoundEntry& entry = bank->second[static_cast<std::size_t>(part.Sound)];
        auto read = samples.find({part.Bank, part.Sound});
        if (read == samples.end()) {
            read = samples
                       .emplace(std::pair(part.Bank, part.Sound),
                                sounds.Samples(part.Bank, part.Sound))
                       .first;
        }
        if (!played.Samples.empty()) {
            played.Samples.insert(
                played.Samples.end(),
                std::size_t{part.PauseBefore} * OutputRate / MillisecondsPerSecond, 0);
        }
        const std::vector<std::int16_t> resampled =
            Resample(read->second, entry.Rate, part.Speed, OutputRate);
        played.Samples.insert(played.Samples.end(), resampled.begin(), resampled.end());
    }
    return played;
}

} // namespace klarvon::sound
