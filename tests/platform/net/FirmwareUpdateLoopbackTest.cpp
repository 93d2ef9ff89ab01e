// The update check end to end over HTTP: the real downloader against a loopback server, the
// window side faked (the test's thread plays the window's thread, the check timer is fired by
// hand).
#include "core/markup/SharedMarkupDocument.h"
#include "core/update/FirmwareUpdate.h"
#include "core/update/UpdateTexts.h"
#include "platform/linux/IconvTextCodec.h"
#include "platform/linux/PosixFileSystem.h"
#include "platform/net/CurlDownloader.h"
#include "support/LoopbackHttpServer.h"
#include "support/TaskQueue.h"
#include "support/TempDir.h"
#include "support/UpdateFakes.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

using test::FakeProcessStarter;
using test::FakeUpdateHost;
using test::LoopbackHttpServer;
using Response = LoopbackHttpServer::Response;
using test::TaskQueue;
using test::TempDir;

constexpr const char* kDescriptionPath = "/software/qx71/update.xml";
constexpr const char* kImagePath = "/fw/qx71.bin";
constexpr std::u16string_view kNotAnAnswer =
    u"Could not check online for new firmware: the update server's answer is not an update "
    u"description.";

class FirmwareUpdateLoopback : public ::testing::Test {
protected:
    void SetUp() override { Make(); }
    void TearDown() override { update.reset(); }
    void Make()
    {
        update.reset();
        host = FakeUpdateHost();
        starter = FakeProcessStarter();
        downloader = std::make_unique<CurlDownloader>();
        update = std::make_unique<FirmwareUpdate>(
            FirmwareUpdateServices{markup, files, *downloader, starter, host, window.Poster(),
                                   [] { return false; }},
            FormUpdatePaths(tmp / "install", tmp / "data", false),
            DescriptionAddress(server.Base()));
        update->SetFirmwareVersionText(u"13");
        update->Start();
    }
    std::string Description(const std::string& firmware) const
    {
        return "<?xml version=\"1.0\"?><update>" + firmware + "</update>";
    }
    std::string Offer(const std::string& current) const
    {
        return Description("<firmware><current>" + current + "</current><newfile>" +
                           server.Url(kImagePath) + "</newfile></firmware>");
    }
    void Serve(const std::string& description)
    {
        server.Set(kDescriptionPath, Response::Body(description));
    }
    bool Await(const std::function<bool()>& done)
    {
        const auto deadline = std::chrono::steady_clock::now() + test::kEventTimeout;
        while (std::chrono::steady_clock::now() < deadline) {
            if (window.RunUntil(done, std::chrono::milliseconds(5))) {
                return true;
            }
        }
        return false;
    }
    void FinishPass()
    {
        ASSERT_TRUE(Await([&] { return update->UpdateCheckArmed(); }));
        window.RunPending();
    }
    // No question, and one box saying `text` (by default that the firmware is the latest).
    void ExpectOnlyTheBox(std::u16string_view text = kLatestFirmwareText.english)
    {
        EXPECT_TRUE(host.questions.empty());
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].text, text);
    }
    // Presses the update button and says yes to the online offer.
    void AcceptOnlineOffer()
    {
        ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
        ASSERT_TRUE(Await([&] { return !host.questions.empty(); }));
        host.Answer(true);
        FinishPass();
    }
    std::string ImageText()
    {
        const auto bytes = test::ReadAll(update->Paths().image);
        return {bytes.begin(), bytes.end()};
    }

    TempDir tmp;
    LoopbackHttpServer server;
    PosixFileSystem files;
    IconvTextCodec codec;
    SharedMarkupDocument markup{files, codec};
    std::unique_ptr<CurlDownloader> downloader;
    FakeUpdateHost host;
    FakeProcessStarter starter;
    TaskQueue window;
    std::unique_ptr<FirmwareUpdate> update;
};

TEST_F(FirmwareUpdateLoopback, OfferedVersionAgainstInstalled13)
{
    const struct {
        const char* name;
        std::string description;
        bool asks;
        std::u16string_view said; // without a question
    } cases[] = {
        {"above", Offer("14"), true, {}},
        {"equal", Offer("13"), false, kLatestFirmwareText.english},
        {"below", Offer("12"), false, kLatestFirmwareText.english},
        {"digits then letters", Offer("14abc"), true, {}},
        {"space and sign", Offer(" +15"), true, {}},
        {"empty current", Offer(""), false, kLatestFirmwareText.english},
        // An answer without a firmware version tells nothing about the firmware.
        {"no firmware element", Description("<software><current>99</current></software>"), false,
         kNotAnAnswer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Make();
        Serve(c.description);
        ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
        if (c.asks) {
            ASSERT_TRUE(Await([&] { return !host.questions.empty(); }));
            EXPECT_EQ(host.questions[0].text, kNewFirmwareText.english);
            host.Answer(false);
            FinishPass();
            EXPECT_TRUE(host.boxes.empty());
        } else {
            FinishPass();
            ExpectOnlyTheBox(c.said);
        }
        // The description went to DataDir: this InstallDir counts as read-only.
        EXPECT_TRUE(
            std::filesystem::exists(tmp / "data" / "FWUpdate" / "new_version" / "update.xml"));
    }
}

TEST_F(FirmwareUpdateLoopback, AcceptedOfferDownloadsTheImageAndHandsOver)
{
    Serve(Offer("14"));
    server.Set(kImagePath, Response::Body("firmware image"));
    AcceptOnlineOffer();
    EXPECT_EQ(ImageText(), "firmware image");
    ASSERT_EQ(starter.calls.size(), 1u);
    EXPECT_EQ(starter.calls[0].program, tmp / "install" / "FWUpdate" / "BuringFW");
    EXPECT_EQ(host.closes, 1);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FirmwareUpdateLoopback, ImageThatCannotBeFetchedSafelyIsNotHandedOver)
{
    const struct {
        const char* name;
        std::string newfile; // empty: no "newfile" element
        Response image;
        bool imageRequested;
    } cases[] = {
        {"no newfile", "", Response(), false},
        {"file address", "file:///etc/passwd", Response(), false},
        {"ftp address", "ftp://127.0.0.1/fw.bin", Response(), false},
        {"cut half-way", server.Url(kImagePath), Response::Body(std::string(4096, 'n')).Cut(2048),
         true},
        {"oversized", server.Url(kImagePath),
         Response::Body(std::string(16 * 1024 * 1024 + 1, 'n')), true},
        {"oversized without a length", server.Url(kImagePath),
         Response::Body(std::string(16 * 1024 * 1024 + 1, 'n')).WithoutLength(), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Make();
        // A fresh start: no description from the case before.
        std::filesystem::remove(update->Paths().downloadDescription);
        test::WriteText(update->Paths().image, "old image");
        const std::string newfile = c.newfile.empty() ? "" : "<newfile>" + c.newfile + "</newfile>";
        Serve(Description("<firmware><current>14</current>" + newfile + "</firmware>"));
        server.Set(kImagePath, c.image);
        const size_t requestsBefore = server.Requests().size();
        AcceptOnlineOffer();
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].text, u"New-version firmware download failed.");
        EXPECT_TRUE(starter.calls.empty());
        EXPECT_EQ(host.closes, 0);
        EXPECT_EQ(ImageText(), "old image");
        const auto requests = server.Requests();
        EXPECT_EQ(requests.size() - requestsBefore, c.imageRequested ? 2u : 1u);
        // Nothing but the description and the old image in the download folder.
        size_t entries = 0;
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::directory_iterator(update->Paths().image.parent_path())) {
            ++entries;
        }
        EXPECT_EQ(entries, 2u);
    }
}

TEST_F(FirmwareUpdateLoopback, OversizedDescriptionEndsAsAFailedDownload)
{
    Serve(
        Description("<firmware><current>14</current></firmware>" + std::string(1024 * 1024, ' ')));
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
    FinishPass();
    ExpectOnlyTheBox(kNotAnAnswer);
    EXPECT_FALSE(std::filesystem::exists(update->Paths().downloadDescription));
}

TEST_F(FirmwareUpdateLoopback, SlowServersLateAnswerIsDroppedEvenWhenNewer)
{
    server.Set(kDescriptionPath, Response::Body(Offer("14")).Held());
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
    ASSERT_TRUE(server.WaitHeld());
    // The 2 seconds pass before the server answers.
    update->OnCheckTimer();
    ExpectOnlyTheBox(
        u"Could not check online for new firmware: the update server did not answer in time.");
    EXPECT_EQ(host.boxes[0].owner, BoxOwner::Page);
    server.Release();
    ASSERT_TRUE(Await([&] { return !update->OnlineCheckTimedOut(); }));
    window.RunPending();
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(FirmwareUpdateLoopback, SecondPressWhileACheckRunsDoesNothing)
{
    server.Set(kDescriptionPath, Response::Body(Offer("13")).Held());
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
    ASSERT_TRUE(server.WaitHeld());
    EXPECT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Busy);
    server.Release();
    FinishPass();
    EXPECT_EQ(server.Requests().size(), 1u);
    ExpectOnlyTheBox();
}

TEST_F(FirmwareUpdateLoopback, DeclinedLocalOfferNeverAsksTheServer)
{
    const auto folder = tmp / "install" / "FWUpdate" / "new_version";
    test::WriteText(folder / "update.xml", Offer("14"));
    test::WriteText(folder / "TolviGameDevice.bin", "shipped image");
    Serve(Offer("15"));
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::LocalOffer);
    host.Answer(false);
    window.RunPending();
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_TRUE(update->UpdateCheckArmed());
}

TEST_F(FirmwareUpdateLoopback, DownloadedDescriptionIsReadBeforeTheShippedOne)
{
    const auto shipped = tmp / "install" / "FWUpdate" / "new_version";
    test::WriteText(shipped / "update.xml", Offer("12"));
    test::WriteText(shipped / "TolviGameDevice.bin", "shipped image");
    Serve(Offer("14"));
    server.Set(kImagePath, Response::Body("image 14"));
    AcceptOnlineOffer();
    ASSERT_EQ(starter.calls.size(), 1u);
    // The next press finds the downloaded description and its image under DataDir.
    Make();
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::LocalOffer);
}

} // namespace
} // namespace qx71
