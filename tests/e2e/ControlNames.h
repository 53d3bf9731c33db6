// Controls and commands by the names the programs give them, per window class.
#pragma once

#include <string>

namespace corvane::e2e {

// The id of `name` in windows of `windowClass` (a number is taken as it is). Fails the driver for
// an unknown name.
int ControlId(const std::string& windowClass, const std::string& name);

}  // namespace corvane::e2e
