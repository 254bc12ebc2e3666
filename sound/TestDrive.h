#pragma once
// What a vehicle sounds like, put together from the game's banks as the game plays them:
// the "test drive" of `listen` and of the editor's Test drive, its horn and its doors.
// Each is a list of parts (which sound of which bank, at which speed) and then one sound
// made of them, every part resampled to OutputRate and played once, back to back.

#include "sound/GameSounds.h"
#include "sound/Wav.h"
#include "table/RecordBytes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace klarvon::sound {

// The rate of everything put together: no bank's sound is recorded above it.
inline constexpr std::uint32_t OutputRate = 44100;
// Silence before the horn and between the doors' open and close, so each is heard apart.
inline constexpr std::uint32_t PauseMilliseconds = 300;

// The horn bank (its sound HornType is the horn) and the general vehicle bank (the doors).
inline constexpr int HornBank = 74;
inline constexpr int VehicleGeneralBank = 138;

// The pitch of each "audio gear" while accelerating, gears 1 to 4.
inline constexpr double GearPitches[] = {1.22, 1.13, 1.075, 1.0};

// The values of a record that decide its sounds, in the game's layout (GameLayout()).
struct TVehicleSounds {
    std::int64_t AudioType = 0;
    std::int64_t PlayerBank = -1;
    std::int64_t DummyBank = -1;
    std::int64_t HornType = -1;
    float HornPitch = 1.0F;
    std::int64_t DoorType = -1;
};
TVehicleSounds VehicleSoundsOf(const TRecordBytes& bytes);

// One sound of a bank at a speed, after a pause (in ms) of silence.
struct TSoundPart {
    std::string Name; // "idle", "accelerate, gear 1", "cruise", "throttle off", "horn",
                      // "door open", "door close"
    std::int64_t Bank = 0;
    int Sound = 0;
    double Speed = 1.0;
    std::uint32_t PauseBefore = 0;
};

// The parts a vehicle has, in order; each part it lacks goes into leftOut as a line for the
// user ("no idle: DummyBank is -1", "no accelerate, cruise or throttle off: a boat's
// PlayerBank is never played", "no horn: HornType is 12").
// TestDriveParts: idle (DummyBank sound 1), accelerate (PlayerBank sound 0 at each of
// GearPitches), cruise (PlayerBank sound 1), throttle off (PlayerBank sound 2), then the
// horn (HornParts).
std::vector<TSoundPart> TestDriveParts(const TVehicleSounds& vehicle,
                                       std::vector<std::string>& leftOut);
// Bank 74, sound HornType, at HornPitch (the bell, HornType 0, at ×1.0).
std::vector<TSoundPart> HornParts(const TVehicleSounds& vehicle, std::vector<std::string>& leftOut);
// Bank 138: the open then the close sound of DoorType (−1 sounds as 2).
std::vector<TSoundPart> DoorParts(const TVehicleSounds& vehicle, std::vector<std::string>& leftOut);

// The parts as one sound at OutputRate. A part whose bank or sound the files lack, or
// whose bank cannot be read, is left out with a line in leftOut saying why; the files
// themselves failing (a package unreadable) throws.
TPcmSound PlayParts(const TGameSounds& sounds, const std::vector<TSoundPart>& parts,
                    std::vector<std::string>& leftOut);

} // namespace klarvon::sound
