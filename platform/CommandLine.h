// Splitting the command line into arguments.
#pragma once

#include <string>
#include <vector>

namespace vnl {

// Every argument of the command line, the program's own name first. Blanks
// and tabs separate arguments; double quotes group a name that holds blanks
// and are removed.
std::vector<std::string> ParseCommandLine(const std::string& commandLine);

}  // namespace vnl
