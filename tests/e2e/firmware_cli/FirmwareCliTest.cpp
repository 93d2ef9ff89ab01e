#include "support/LoopbackHttpServer.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace qx71 {
namespace {

using test::LoopbackHttpServer;
using test::RunResult;
using test::TempDir;
using Response = LoopbackHttpServer::Response;

constexpr const char* kDescriptionPath = "/software/qx71/update.xml";

class FirmwareCli : public ::testing::Test {
protected:
    // qx71ctl with the simulated mouse (firmware 13), a fresh DataDir and `server` as the
    // update server.
    RunResult Run(const std::string& args, const std::string& updateServer)
    {
        return test::RunProgram("QX71_UPDATE_SERVER='" + updateServer + "' " + QX71CTL_PATH +
                                    " --simulate --data-dir '" + (tmp / "D").string() + "' " + args,
                                tmp.path());
    }
    void Offer(const std::string& current, const std::string& newfile)
    {
        server.Set(kDescriptionPath,
                   Response::Body("<update><firmware><current>" + current + "</current><newfile>" +
                                  newfile + "</newfile></firmware></update>"));
    }

    TempDir tmp;
    LoopbackHttpServer server;
};

TEST_F(FirmwareCli, CheckExits10WhenTheServerOffersNewerFirmware)
{
    Offer("14", server.Url("/fw.bin"));
    const RunResult r = Run("--json firmware check", server.Base());
    EXPECT_EQ(r.exitCode, 10) << r.err;
    const auto data = nlohmann::json::parse(r.out);
    EXPECT_EQ(data["installed"], 13);
    EXPECT_EQ(data["localOffer"], nullptr);
    EXPECT_EQ(data["onlineOffer"], 14);
    EXPECT_EQ(data["newer"], true);
    EXPECT_EQ(data["url"], server.Url("/fw.bin"));
    EXPECT_EQ(server.Requests(), std::vector<std::string>{kDescriptionPath});
}

TEST_F(FirmwareCli, CheckExits0WhenUpToDate)
{
    Offer("13", server.Url("/fw.bin"));
    RunResult r = Run("--json firmware check", server.Base());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["newer"], false);

    r = Run("firmware check", server.Base());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Installed firmware: 13 (V 0.1.3)\n"
                     "Local offer:        none\n"
                     "Online offer:       13\n"
                     "Newer firmware:     no\n"
                     "Download address:   " +
                         server.Url("/fw.bin") + "\n");
}

TEST_F(FirmwareCli, CheckWithoutAServerAnswersFromTheLocalDescriptionOnly)
{
    const RunResult r = Run("--json firmware check", "");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const auto data = nlohmann::json::parse(r.out);
    EXPECT_EQ(data["onlineOffer"], nullptr);
    EXPECT_EQ(data["url"], nullptr);
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(FirmwareCli, UnreachableServerIsAnErrorOfOneLine)
{
    std::string gone;
    {
        LoopbackHttpServer closed;
        gone = closed.Base();
    }
    const RunResult r = Run("firmware check", gone);
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.exitCode, 10);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find("cannot fetch the update description"), std::string::npos) << r.err;
}

TEST_F(FirmwareCli, DownloadStoresTheImageAndPrintsItsChecksum)
{
    Offer("14", server.Url("/fw.bin"));
    server.Set("/fw.bin", Response::Body("firmware image 14"));
    const auto image = tmp / "image.bin";
    const RunResult r =
        Run("--json firmware download --output '" + image.string() + "'", server.Base());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto data = nlohmann::json::parse(r.out);
    EXPECT_EQ(data["path"], image.string());
    EXPECT_EQ(data["size"], 17);
    // sha256sum of "firmware image 14".
    EXPECT_EQ(data["sha256"], "28ac44fc68645e9c0aae5bb718f48eec581267ddbde863797dd7d3a5b72629dc");
    const auto bytes = test::ReadAll(image);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "firmware image 14");
}

TEST_F(FirmwareCli, DownloadRefusesAnAddressThatIsNotAWebAddress)
{
    Offer("14", "file:///etc/passwd");
    const auto image = tmp / "image.bin";
    const RunResult r = Run("firmware download --output '" + image.string() + "'", server.Base());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("refused"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(image));
}

} // namespace
} // namespace qx71
