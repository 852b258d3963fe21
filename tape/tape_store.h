#pragma once
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "registry_port.h"
#include "tape_lines.h"

// The tape in the calculator's registry key: the value "Tape", a REG_SZ text holding the
// lines oldest first, each but the last followed by CR LF, and the terminating zero.
constexpr const char* kTapeValueName = "Tape";

std::string EncodeTape(const std::deque<std::string>& lines);

// What stored bytes hold, made sound: a line ends at CR, LF or a zero byte (so a text of
// zero-separated strings reads too), empty lines are dropped, other control characters
// become spaces, a line longer than TapeLines::kMaxLineLength is not one of ours and is
// dropped, and only the last TapeLines::kCapacity lines are kept.
std::vector<std::string> DecodeTape(const char* bytes, size_t size);

void SaveTape(IRegistryKey& key, const TapeLines& tape);
// Leaves `tape` as it is when the value is missing, is no text, or is larger than any tape
// could be.
void LoadTape(IRegistryKey& key, TapeLines& tape);
