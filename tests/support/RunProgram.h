#pragma once

#include <filesystem>
#include <string>

namespace qx71::test {

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a command line through the shell, collecting its standard output and (through a file
// in `scratch`) its standard error.
RunResult RunProgram(const std::string& commandLine, const std::filesystem::path& scratch);

} // namespace qx71::test
