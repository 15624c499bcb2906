#pragma once
// The stored key material: 968 bytes drawn deterministically from a seed
// text, so that every build of the same tree enciphers alike.

#include <cstdint>
#include <string>
#include <vector>

std::vector<uint8_t> KeyMaterialFromSeed(const std::string& seed);
