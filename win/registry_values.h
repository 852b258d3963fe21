#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "registry_port.h"

// Reading and writing the fixed-size values of the settings records. Every read goes through
// a scratch buffer of the field's size: a missing value, or one longer than the field, leaves
// the field as it was, and a shorter one replaces only the field's leading bytes. Numbers are
// little-endian in the registry whatever the host.

// Reads into `field`: on success the bytes returned replace the leading bytes of `field`.
// Returns the number of bytes taken, or -1 when nothing was read.
int ReadRaw(IRegistryKey& key, const char* name, void* field, size_t fieldSize);

// A one-byte flag: any non-zero byte is on. The field holds 0 or 1 afterwards.
void ReadFlag(IRegistryKey& key, const char* name, uint8_t& flag);

// Little-endian 32-bit words: colour tables, positions, counters.
void ReadWords(IRegistryKey& key, const char* name, uint32_t* words, size_t count);
void ReadWords(IRegistryKey& key, const char* name, int32_t* words, size_t count);

// A REG_SZ text of fewer than `capacity` bytes, terminating zero included; the text stays as
// it was when the value is missing or too long. The stored data need not end with a zero;
// the text then counts as if it had one.
bool ReadText(IRegistryKey& key, const char* name, std::string& text, size_t capacity);

void WriteFlag(IRegistryKey& key, const char* name, int32_t flag);
void WriteWords(IRegistryKey& key, const char* name, const uint32_t* words, size_t count);
void WriteWords(IRegistryKey& key, const char* name, const int32_t* words, size_t count);
void WriteDword(IRegistryKey& key, const char* name, uint32_t value);
void WriteText(IRegistryKey& key, const char* name, const std::string& text);

// Little-endian encoding of the words and doubles of the binary blocks.
void PutWord(uint8_t* bytes, uint32_t value);
uint32_t GetWord(const uint8_t* bytes);
void PutDouble(uint8_t* bytes, double value);
double GetDouble(const uint8_t* bytes);
