#include "platform/linux/PosixProcessStarter.h"
#include "support/TaskQueue.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <thread>

namespace qx71 {
namespace {

using test::TempDir;

TEST(PosixProcessStarter, PassesTheArgumentsAsAListWithoutAShell)
{
    TempDir tmp;
    const auto out = tmp / "args";
    // A shell here is the started program itself; the argument with spaces and a "$" must
    // reach it as one word, untouched.
    PosixProcessStarter starter;
    ASSERT_TRUE(
        starter.Start("/bin/sh", {"-c", "printf '%s|' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0\"",
                                  out.string(), "1", "a b $HOME"}));
    const auto deadline = std::chrono::steady_clock::now() + test::kEventTimeout;
    while (!std::filesystem::exists(out) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const auto bytes = test::ReadAll(out);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "1|a b $HOME|");
}

TEST(PosixProcessStarter, MissingOrNotExecutableProgramIsNotStarted)
{
    TempDir tmp;
    PosixProcessStarter starter;
    EXPECT_FALSE(starter.Start(tmp / "FWUpdate" / "BuringFW", {"0"}));
    const auto plain = tmp / "BuringFW";
    test::WriteText(plain, "#!/bin/sh\n");
    ::chmod(plain.c_str(), 0644);
    EXPECT_FALSE(starter.Start(plain, {"0"}));
}

} // namespace
} // namespace qx71
