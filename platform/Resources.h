// Data the build embeds in the program as RCDATA resources.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The bytes of the RCDATA resource of that name in the program, or nullopt.
std::optional<std::vector<std::uint8_t>> LoadRcData(const std::string& name);
