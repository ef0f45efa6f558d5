// SHA-256 of a block of bytes, so a log line or a test report names exactly
// which image a keyboard was given.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vorlan {

// The digest as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::span<const std::uint8_t> bytes);

} // namespace vorlan
