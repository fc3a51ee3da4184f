#pragma once

#include <functional>
#include <optional>
#include <string>

namespace zarno {

// Reads a whole file; nullopt when it cannot be read.
using ReadFile = std::function<std::optional<std::string>(const std::string& path)>;

// The whole processors that Linux control groups allow this process, rounded up: the tightest
// quota of its group and of every group above it, in the version 1 cpu hierarchy and in the
// unified one. nullopt when none sets a quota. The files of /proc and /sys come through `read`.
std::optional<unsigned> processorsAllowedByControlGroups(const ReadFile& read);

}  // namespace zarno
