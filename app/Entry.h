// The program's two ways to run: the path-copy mode with arguments, the
// resident tray tool without.
#pragma once

#include <string>
#include <vector>

#include "platform/InstanceLock.h"
#include "platform/Platform.h"

namespace vnl {

// The name of the object that marks a running resident instance.
inline constexpr const char* kInstanceName = "hkrVanteloPlus";

// Runs the program with the arguments after its own name; always 0.
int VanteloMain(const std::vector<std::string>& args, Platform& platform, IInstanceLock& lock);

}  // namespace vnl
