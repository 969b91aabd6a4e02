#pragma once
// Advice printed after a failed open of a real programmer.

#include <string>
#include <vector>

namespace openadvice {

inline constexpr char kUdevRuleFile[] = "60-vexa-modulant.rules";
inline constexpr char kUdevRuleDirectory[] = "/etc/udev/rules.d";

std::vector<std::string> permissionDenied();
std::vector<std::string> inUse();

}  // namespace openadvice
