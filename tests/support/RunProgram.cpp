#include "support/RunProgram.h"

#include "support/TempDir.h"

#include <cstdio>
#include <sys/wait.h>

namespace qx71::test {

RunResult RunProgram(const std::string& commandLine, const std::filesystem::path& scratch)
{
    const std::filesystem::path errFile = scratch / "stderr.txt";
    const std::string command = commandLine + " 2>'" + errFile.string() + "'";
    RunResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.out.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const std::vector<uint8_t> err = ReadAll(errFile);
    result.err.assign(err.begin(), err.end());
    return result;
}

} // namespace qx71::test
