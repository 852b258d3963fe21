#pragma once
#include "calc_settings.h"
#include "calc_state.h"
#include "edition.h"
#include "registry_port.h"

// The registry key of the calculator window's settings.
const char* CalcSettingsKey(Edition edition);

// Writes every value of the record. Nothing is written, and the save counter is left alone,
// when the key cannot be created.
void SaveSettings(IRegistry& registry, Edition edition, const CalcSettings& settings, const CalcState& state,
                  SharedSettings& shared);

// Reads the record over the current values: whatever is missing or does not fit keeps its
// value, and whatever is out of range is brought into range.
void LoadSettings(IRegistry& registry, Edition edition, CalcSettings& settings, CalcState& state,
                  SharedSettings& shared);

// The "Big Font" byte of a key, 0 when the key or the value is missing; read before any
// window exists to choose its template.
uint8_t ReadBigFontFlag(IRegistry& registry, const char* subkey);
