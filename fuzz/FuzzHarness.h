// The bodies of the fuzz targets, kept apart from libFuzzer's entry point so
// the regression inputs also run inside the ordinary test suite. Each returns
// an empty text when the input passed every check, otherwise what failed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vorlan::hardening {

// The editor's reader: ParseLayout, RebuildAfterLoad, RebuildCatalog, then the
// invariants of a loaded layout and the round trip through all four variants.
std::string RunLayoutReader(const std::uint8_t* data, std::size_t size);

// The capture logic driven by a stream of key presses and button presses.
std::string RunCapture(const std::uint8_t* data, std::size_t size);

// The strict image builder on any text, and on the writer's text of whatever
// the editor reads from it.
std::string RunImageBuilder(const std::uint8_t* data, std::size_t size);

// The programming engine on an emulated keyboard with a clock that never
// waits: the first six bytes choose the arguments, the keyboard and its
// faults, the rest is the layout file.
std::string RunEngine(const std::uint8_t* data, std::size_t size);

} // namespace vorlan::hardening
