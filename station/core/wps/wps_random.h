#pragma once
// Random values of the WPS work (PINs, the registrar's key) from the system's secure source.
#include <cstddef>
#include <cstdint>

// n = 1..1024 random bytes into out; false for any other n or when the source failed.
bool RandomBytes(uint8_t* out, size_t n);
// A fresh eight-digit PIN with its checksum; false when the source failed.
bool GenerateRandomPin(uint32_t* pin);
