#include "platform/CommandLine.h"

namespace vnl {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::vector<std::string> ParseCommandLine(const std::string& commandLine) {
    // No byte of a double-byte character is a blank or a quote, so a plain
    // byte scan is safe here.
    std::vector<std::string> args;
    std::size_t i = 0;
    const std::size_t n = commandLine.size();
    for (;;) {
        while (i < n && IsBlank(commandLine[i])) ++i;
        if (i >= n) break;
        std::string arg;
        bool quoted = false;
        for (; i < n && (quoted || !IsBlank(commandLine[i])); ++i) {
            if (commandLine[i] == '"')
                quoted = !quoted;
            else
                arg += commandLine[i];
        }
        args.push_back(std::move(arg));
    }
    return args;
}

}  // namespace vnl
