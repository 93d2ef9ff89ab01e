#include "platform/net/CurlDownloader.h"
#include "support/TaskQueue.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <dlfcn.h>
#include <future>
#include <mutex>
#include <netdb.h>
#include <string_view>
#include <thread>

namespace {

// A name server that never answers for one name: its lookups wait until the test lets them go.
// Every other name goes to the C library's own lookup.
constexpr std::string_view kSlowName = "slow-name.qx71.test";
std::mutex lookupMutex;
std::condition_variable lookupChanged;
bool lookupEntered = false;
bool lookupReleased = false;

} // namespace

extern "C" int getaddrinfo(const char* node, const char* service, const struct addrinfo* hints,
                           struct addrinfo** result)
{
    if (node != nullptr && node == kSlowName) {
        std::unique_lock lock(lookupMutex);
        lookupEntered = true;
        lookupChanged.notify_all();
        lookupChanged.wait(lock, [] { return lookupReleased; });
        return EAI_NONAME;
    }
    using Lookup = int (*)(const char*, const char*, const struct addrinfo*, struct addrinfo**);
    static const auto next = reinterpret_cast<Lookup>(dlsym(RTLD_NEXT, "getaddrinfo"));
    return next(node, service, hints, result);
}

namespace qx71 {
namespace {

TEST(SlowNameLookup, AnAbortDoesNotWaitForTheLookup)
{
    test::TempDir tmp;
    CurlDownloader downloader;
    // Limits far beyond the test's wait: only the abort can end the download in time.
    const DownloadLimits limits{600000, 600000, 1000};
    std::promise<DownloadError> outcome;
    std::future<DownloadError> ended = outcome.get_future();
    std::thread worker([&] {
        const std::string address = "http://" + std::string(kSlowName) + "/update.xml";
        outcome.set_value(downloader.Download(address, tmp / "update.xml", limits).error);
    });
    bool entered = false;
    {
        std::unique_lock lock(lookupMutex);
        entered = lookupChanged.wait_for(lock, test::kEventTimeout, [] { return lookupEntered; });
    }
    downloader.Abort();
    const bool endedBeforeTheLookup =
        ended.wait_for(test::kEventTimeout) == std::future_status::ready;
    {
        std::lock_guard lock(lookupMutex);
        lookupReleased = true;
        lookupChanged.notify_all();
    }
    worker.join();
    ASSERT_TRUE(entered) << "the download never looked the name up";
    EXPECT_TRUE(endedBeforeTheLookup) << "the program's close would wait for the name server";
    EXPECT_EQ(ended.get(), DownloadError::Aborted);
}

} // namespace
} // namespace qx71
