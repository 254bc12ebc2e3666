#pragma once
// What the sound commands share: the game's sound files opened from the path a user gave,
// bank and sound numbers read from words, a bank's name for people, and a WAV put on the
// disk whole.

#include "cli/Arguments.h"
#include "sound/GameSounds.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace klarvon::cli {

// The sound files of the game folder path is, or is in (the executable, the cfg).
sound::TGameSounds OpenGameSounds(const std::string& path);

// A bank's or a sound's number as given: a decimal number from 0 up, anything else being
// wrong usage ("'x' is not a bank number"). Whether the files hold it is theirs to say.
std::int64_t ParseBankNumber(std::string_view word);
int ParseSoundNumber(std::string_view word);

// The bank's short name from the stock game's list ("Cobra V8 sports car engine, player
// bank"); empty for a bank the stock game does not have.
std::string_view BankShortName(std::int64_t bank);

// The bytes put at path whole: written under another name beside it and renamed, so a
// failure leaves no part of them there. An existing file is refused unless --force is
// given, in words that say so; with it, it is replaced in one step.
void WriteWholeFile(const TArguments& arguments, const std::string& path,
                    std::span<const std::uint8_t> bytes);

} // namespace klarvon::cli
