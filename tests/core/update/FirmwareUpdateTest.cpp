#include "core/update/FirmwareUpdate.h"
#include "core/markup/SharedMarkupDocument.h"
#include "core/update/UpdateTexts.h"
#include "support/ScriptedDownloader.h"
#include "support/SystemBackends.h"
#include "support/TaskQueue.h"
#include "support/TempDir.h"
#include "support/UpdateFakes.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

using test::FakeProcessStarter;
using test::FakeUpdateHost;
using test::ScriptedDownloader;
using test::TaskQueue;
using test::TempDir;

constexpr const char* kAddress = "http://updates.test/software/qx71/update.xml";
constexpr const char* kImageAddress = "http://updates.test/fw/qx71-14.bin";

std::string Description(const std::string& current, const std::string& newfile = kImageAddress)
{
    return "<update><firmware><current>" + current + "</current><newfile>" + newfile +
           "</newfile></firmware></update>";
}

class FirmwareUpdateTest : public ::testing::Test {
protected:
    void Make(std::string address = kAddress)
    {
        update = std::make_unique<FirmwareUpdate>(
            FirmwareUpdateServices{markup, files, downloader, starter, host, window.Poster(),
                                   [this] { return chinese; }},
            FormUpdatePaths(tmp / "install", tmp / "data", true), std::move(address));
        update->SetFirmwareVersionText(u"13");
        update->Start();
    }
    void TearDown() override { update.reset(); }

    void WriteLocal(const std::string& current, bool withImage)
    {
        const auto folder = tmp / "install" / "FWUpdate" / "new_version";
        test::WriteText(folder / "update.xml", Description(current));
        if (withImage) {
            test::WriteText(folder / "TolviGameDevice.bin", "image");
        }
    }
    // Runs what the update thread posts until `done` holds; the thread changes some state
    // without posting, so the queue is looked at in short slices.
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
    // Runs what the update thread posts until its pass is over.
    void FinishPass()
    {
        ASSERT_TRUE(Await([&] { return update->UpdateCheckArmed(); }));
        window.RunPending();
    }
    void RunUntilQuestion(size_t count)
    {
        ASSERT_TRUE(Await([&] { return host.questions.size() >= count; }));
    }

    TempDir tmp;
    test::SystemFileSystem files;
    test::SystemTextCodec codec;
    SharedMarkupDocument markup{files, codec};
    ScriptedDownloader downloader;
    FakeUpdateHost host;
    FakeProcessStarter starter;
    TaskQueue window;
    bool chinese = false;
    std::unique_ptr<FirmwareUpdate> update;
};

TEST_F(FirmwareUpdateTest, NewerLocalOfferAsksAndHandsOverWithTheLanguageArgument)
{
    for (const bool inChinese : {false, true}) {
        SCOPED_TRACE(inChinese);
        host = FakeUpdateHost();
        starter = FakeProcessStarter();
        chinese = inChinese;
        Make();
        WriteLocal("14", true);
        EXPECT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::LocalOffer);
        EXPECT_FALSE(update->UpdateCheckArmed());
        ASSERT_EQ(host.questions.size(), 1u);
        EXPECT_EQ(host.questions[0].text, kNewFirmwareText.In(inChinese));
        EXPECT_EQ(host.questions[0].owner, BoxOwner::Page);

        host.Answer(true);
        ASSERT_EQ(starter.calls.size(), 1u);
        EXPECT_EQ(starter.calls[0].program, tmp / "install" / "FWUpdate" / "BuringFW");
        EXPECT_EQ(starter.calls[0].arguments, std::vector<std::string>{inChinese ? "1" : "0"});
        EXPECT_EQ(host.closes, 1);
        EXPECT_TRUE(update->UpdateCheckArmed());
        EXPECT_TRUE(host.timerStarts.empty());
        EXPECT_TRUE(downloader.Calls().empty());
    }
}

TEST_F(FirmwareUpdateTest, DeclinedLocalOfferNeverAsksTheServer)
{
    Make();
    WriteLocal("14", true);
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::LocalOffer);
    host.Answer(false);
    EXPECT_TRUE(update->UpdateCheckArmed());
    window.RunPending();
    EXPECT_TRUE(starter.calls.empty());
    EXPECT_EQ(host.closes, 0);
    EXPECT_TRUE(host.timerStarts.empty());
    EXPECT_TRUE(downloader.Calls().empty());
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FirmwareUpdateTest, LocalOfferWithoutItsImageGoesOnline)
{
    Make();
    WriteLocal("14", false);
    downloader.SetReply(kAddress, {DownloadError::None, Description("13")});
    EXPECT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
    FinishPass();
    EXPECT_TRUE(host.questions.empty());
    ASSERT_EQ(downloader.Calls().size(), 1u);
    EXPECT_EQ(downloader.Calls()[0].address, kAddress);
}

TEST_F(FirmwareUpdateTest, EmptyVersionTextMakesAnyOfferAboveZeroNewer)
{
    Make();
    update->SetFirmwareVersionText(u"");
    WriteLocal("1", true);
    EXPECT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::LocalOffer);
}

TEST_F(FirmwareUpdateTest, NewerOnlineOfferAsksFromTheThreadDownloadsAndHandsOver)
{
    Make();
    WriteLocal("13", true);
    downloader.SetReply(kAddress, {DownloadError::None, Description("14")});
    downloader.SetReply(kImageAddress, {DownloadError::None, "new image"});
    EXPECT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
    EXPECT_EQ(host.timerStarts, std::vector<uint32_t>{2000});
    EXPECT_TRUE(host.timerRunning);

    RunUntilQuestion(1);
    EXPECT_FALSE(host.timerRunning);
    EXPECT_EQ(host.questions[0].owner, BoxOwner::None);
    EXPECT_EQ(host.questions[0].text, kNewFirmwareText.english);
    EXPECT_EQ(update->FirmwareUrl(), std::u16string(u"http://updates.test/fw/qx71-14.bin"));
    EXPECT_FALSE(update->UpdateCheckArmed());
    host.Answer(true);
    FinishPass();

    const auto calls = downloader.Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].destination, update->Paths().downloadDescription);
    EXPECT_EQ(calls[0].limits.maxBytes, 1024u * 1024u);
    EXPECT_EQ(calls[1].address, kImageAddress);
    EXPECT_EQ(calls[1].destination, update->Paths().image);
    EXPECT_EQ(calls[1].limits.maxBytes, 16u * 1024u * 1024u);
    ASSERT_EQ(starter.calls.size(), 1u);
    EXPECT_EQ(host.closes, 1);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FirmwareUpdateTest, AnAnswerSaysLatestAndNoAnswerSaysWhyTheCheckCouldNotBeMade)
{
    const std::u16string latest(kLatestFirmwareText.english);
    const std::u16string couldNot = u"Could not check online for new firmware: ";
    const struct {
        const char* name;
        std::string address;
        ScriptedDownloader::Reply reply;
        std::u16string text;
    } cases[] = {
        {"equal offer", kAddress, {DownloadError::None, Description("13")}, latest},
        {"lower offer", kAddress, {DownloadError::None, Description("12")}, latest},
        {"unreachable",
         kAddress,
         {DownloadError::Connect, {}},
         couldNot + u"the update server cannot be reached."},
        {"refused",
         kAddress,
         {DownloadError::Http, {}},
         couldNot + u"the update server refused the request."},
        {"timed out",
         kAddress,
         {DownloadError::TimedOut, {}},
         couldNot + u"the update server did not answer in time."},
        {"not a description",
         kAddress,
         {DownloadError::None, "<html>busy</html>"},
         couldNot + u"the update server's answer is not an update description."},
        {"no server", "", {}, couldNot + u"no update server is set up."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        update.reset();
        host = FakeUpdateHost();
        // The check before aborted the downloader as it went.
        downloader.Reopen();
        Make(c.address);
        downloader.SetReply(kAddress, c.reply);
        ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
        FinishPass();
        EXPECT_TRUE(host.questions.empty());
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].text, c.text);
        EXPECT_EQ(host.boxes[0].owner, BoxOwner::None);
        EXPECT_FALSE(host.timerRunning);
        EXPECT_FALSE(update->OnlineCheckTimedOut());
    }
    chinese = true;
    update.reset();
    host = FakeUpdateHost();
    Make("");
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
    FinishPass();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, u"无法在线检查新固件：没有设置更新服务器。");
}

TEST_F(FirmwareUpdateTest, SecondPressWhileACheckRunsDoesNothing)
{
    Make();
    downloader.SetReply(kAddress, {DownloadError::None, Description("13")});
    downloader.HoldNext();
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
    ASSERT_TRUE(downloader.WaitHeld());
    EXPECT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Busy);
    downloader.Release();
    FinishPass();
    EXPECT_EQ(downloader.Calls().size(), 1u);
    EXPECT_EQ(host.timerStarts.size(), 1u);
    EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(FirmwareUpdateTest, TimerFiringFirstAnswersAndTheLateNewerResultIsDropped)
{
    Make();
    downloader.SetReply(kAddress, {DownloadError::None, Description("99")});
    downloader.HoldNext();
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
    ASSERT_TRUE(downloader.WaitHeld());

    update->OnCheckTimer();
    EXPECT_FALSE(host.timerRunning);
    EXPECT_TRUE(update->UpdateCheckArmed());
    EXPECT_TRUE(update->OnlineCheckTimedOut());
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text,
              u"Could not check online for new firmware: the update server did not answer in "
              u"time.");
    EXPECT_EQ(host.boxes[0].owner, BoxOwner::Page);

    downloader.Release();
    ASSERT_TRUE(Await([&] { return !update->OnlineCheckTimedOut(); }));
    window.RunPending();
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_TRUE(update->UpdateCheckArmed());
}

TEST_F(FirmwareUpdateTest, LateResultOfATimedOutCheckDoesNotAnswerTheNextCheck)
{
    Make();
    downloader.SetReply(kAddress, {DownloadError::None, Description("14")});
    downloader.HoldNext();
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
    ASSERT_TRUE(downloader.WaitHeld());
    update->OnCheckTimer();

    // Pressed again while the first download still hangs: a new check starts.
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
    EXPECT_FALSE(update->OnlineCheckTimedOut());
    downloader.Release();
    // The first result is dropped; the thread then fetches again for the second check, which
    // gets its own answer.
    RunUntilQuestion(1);
    EXPECT_EQ(downloader.Calls().size(), 2u);
    EXPECT_FALSE(update->UpdateCheckArmed());
    host.Answer(false);
    FinishPass();
    EXPECT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_TRUE(starter.calls.empty());
}

TEST_F(FirmwareUpdateTest, TimerAfterTheThreadAnsweredDoesNothing)
{
    Make();
    downloader.SetReply(kAddress, {DownloadError::None, Description("14")});
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
    RunUntilQuestion(1);
    update->OnCheckTimer();
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(update->UpdateCheckArmed());
    host.Answer(false);
    FinishPass();
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FirmwareUpdateTest, FailedImageDownloadIsReportedInEnglishAndNothingStarts)
{
    chinese = true;
    Make();
    downloader.SetReply(kAddress, {DownloadError::None, Description("14")});
    downloader.SetReply(kImageAddress, {DownloadError::Incomplete, {}});
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
    RunUntilQuestion(1);
    EXPECT_EQ(host.questions[0].text, kNewFirmwareText.chinese);
    host.Answer(true);
    FinishPass();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, u"New-version firmware download failed.");
    EXPECT_EQ(host.boxes[0].owner, BoxOwner::None);
    EXPECT_TRUE(starter.calls.empty());
    EXPECT_EQ(host.closes, 0);
}

TEST_F(FirmwareUpdateTest, FlashingToolThatCannotStartIsReportedAndTheProgramStaysOpen)
{
    Make();
    starter.starts = false;
    WriteLocal("14", true);
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::LocalOffer);
    host.Answer(true);
    EXPECT_EQ(starter.calls.size(), 1u);
    EXPECT_EQ(host.closes, 0);
    ASSERT_EQ(host.boxes.size(), 1u);
    const std::u16string tool = u"The firmware update tool " +
                                (tmp / "install" / "FWUpdate" / "BuringFW").u16string() +
                                u" cannot be started.";
    EXPECT_EQ(host.boxes[0].text, tool);
    EXPECT_EQ(host.boxes[0].owner, BoxOwner::Page);
    EXPECT_TRUE(update->UpdateCheckArmed());
}

TEST_F(FirmwareUpdateTest, StopEndsAnOpenQuestionOfTheThreadAtOnce)
{
    Make();
    downloader.SetReply(kAddress, {DownloadError::None, Description("14")});
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
    RunUntilQuestion(1);
    update->Stop();
    EXPECT_FALSE(update->UpdateThreadRunning());
    host.Answer(true);
    window.RunPending();
    EXPECT_EQ(downloader.Calls().size(), 1u);
    EXPECT_TRUE(starter.calls.empty());
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FirmwareUpdateTest, StopEndsARunningDownloadWithoutAMessage)
{
    Make();
    downloader.HoldNext();
    ASSERT_EQ(update->CheckForFirmwareUpdate(), FirmwareUpdate::CheckStart::Online);
    ASSERT_TRUE(downloader.WaitHeld());
    update->Stop();
    EXPECT_FALSE(update->UpdateThreadRunning());
    window.RunPending();
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.questions.empty());
}

} // namespace
} // namespace qx71
