#include "platform/net/CurlDownloader.h"
#include "core/update/DownloadRules.h"
#include "support/LoopbackHttpServer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <thread>

namespace qx71 {
namespace {

using test::LoopbackHttpServer;
using Response = LoopbackHttpServer::Response;
using test::ReadAll;
using test::TempDir;

constexpr DownloadLimits kTestLimits{5000, 20000, 1000};

std::string Text(const std::filesystem::path& path)
{
    const auto bytes = ReadAll(path);
    return {bytes.begin(), bytes.end()};
}

class CurlDownloaderTest : public ::testing::Test {
protected:
    void SetUp() override { test::WriteText(target, "old file"); }
    // Nothing but the destination is left in its folder.
    void ExpectOnlyTheTargetInItsFolder()
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(tmp.path())) {
            names.push_back(entry.path().filename().string());
        }
        EXPECT_EQ(names, std::vector<std::string>{"update.xml"});
    }

    TempDir tmp;
    std::filesystem::path target = tmp / "update.xml";
    LoopbackHttpServer server;
    CurlDownloader downloader;
};

TEST_F(CurlDownloaderTest, CompleteBodyReplacesTheFile)
{
    server.Set("/d", Response::Body("<update/>"));
    const DownloadResult r = downloader.Download(server.Url("/d"), target, kTestLimits);
    EXPECT_EQ(r.error, DownloadError::None) << r.detail;
    EXPECT_EQ(r.bytes, 9u);
    EXPECT_EQ(Text(target), "<update/>");
    ExpectOnlyTheTargetInItsFolder();
}

TEST_F(CurlDownloaderTest, BodyOfExactlyTheCapIsTaken)
{
    server.Set("/d", Response::Body(std::string(1000, 'x')));
    EXPECT_TRUE(downloader.Download(server.Url("/d"), target, kTestLimits).ok());
    EXPECT_EQ(ReadAll(target).size(), 1000u);
}

// Every failure leaves the previous file as it was and no temporary file behind.
TEST_F(CurlDownloaderTest, FailuresLeaveTheOldFileIntact)
{
    const struct {
        const char* name;
        LoopbackHttpServer::Response response;
        DownloadError error;
    } cases[] = {
        {"cut half-way", Response::Body(std::string(800, 'x')).Cut(400), DownloadError::Incomplete},
        {"declared too large", Response::Body(std::string(1001, 'x')), DownloadError::TooLarge},
        {"too large without a length", Response::Body(std::string(5000, 'x')).WithoutLength(),
         DownloadError::TooLarge},
        {"error status", Response::Body("missing", 404), DownloadError::Http},
        {"empty body", Response::Body(""), DownloadError::Incomplete},
        {"redirect to a file", Response::Redirect("file:///etc/passwd"),
         DownloadError::RefusedAddress},
        {"redirect to ftp", Response::Redirect("ftp://127.0.0.1/fw.bin"),
         DownloadError::RefusedAddress},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.Set("/d", c.response);
        const DownloadResult r = downloader.Download(server.Url("/d"), target, kTestLimits);
        EXPECT_EQ(r.error, c.error) << r.detail;
        EXPECT_EQ(Text(target), "old file");
        ExpectOnlyTheTargetInItsFolder();
    }
}

TEST_F(CurlDownloaderTest, RedirectToHttpIsFollowed)
{
    server.Set("/old", Response::Redirect(server.Url("/new")));
    server.Set("/new", Response::Body("moved"));
    EXPECT_TRUE(downloader.Download(server.Url("/old"), target, kTestLimits).ok());
    EXPECT_EQ(Text(target), "moved");
}

TEST_F(CurlDownloaderTest, OtherSchemesAreRefusedWithoutAnyRequest)
{
    for (const std::string& address :
         {"file://" + target.string(), std::string("ftp://127.0.0.1/fw.bin"), std::string()}) {
        SCOPED_TRACE(address);
        EXPECT_EQ(downloader.Download(address, target, kTestLimits).error,
                  DownloadError::RefusedAddress);
    }
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_EQ(Text(target), "old file");
}

TEST_F(CurlDownloaderTest, ClosedPortIsAConnectFailure)
{
    // Bind a port and close it again: nothing listens there now.
    std::string closed;
    {
        LoopbackHttpServer gone;
        closed = gone.Url("/d");
    }
    EXPECT_EQ(downloader.Download(closed, target, kTestLimits).error, DownloadError::Connect);
}

TEST_F(CurlDownloaderTest, TotalTimeLimitEndsASilentServer)
{
    server.Set("/d", Response::Body("late").Held());
    const DownloadResult r = downloader.Download(server.Url("/d"), target, {5000, 200, 1000});
    EXPECT_EQ(r.error, DownloadError::TimedOut) << r.detail;
    EXPECT_EQ(Text(target), "old file");
    server.Release();
}

TEST_F(CurlDownloaderTest, AbortEndsARunningDownloadAndEveryLaterOne)
{
    server.Set("/d", Response::Body("late").Held());
    DownloadResult r;
    std::thread worker([&] { r = downloader.Download(server.Url("/d"), target, kTestLimits); });
    ASSERT_TRUE(server.WaitHeld());
    downloader.Abort();
    worker.join();
    EXPECT_EQ(r.error, DownloadError::Aborted);
    EXPECT_EQ(Text(target), "old file");
    ExpectOnlyTheTargetInItsFolder();
    server.Release();
    EXPECT_EQ(downloader.Download(server.Url("/d"), target, kTestLimits).error,
              DownloadError::Aborted);
}

TEST_F(CurlDownloaderTest, MissingFolderIsAWriteFailure)
{
    server.Set("/d", Response::Body("x"));
    EXPECT_EQ(downloader.Download(server.Url("/d"), tmp / "no" / "such" / "f", kTestLimits).error,
              DownloadError::Write);
}

} // namespace
} // namespace qx71
