// firmware check, firmware download: the firmware update without the window.
#include "cli/CliContext.h"
#include "cli/CliStores.h"
#include "cli/Commands.h"
#include "cli/SystemBackends.h"

#include "core/common/Hex.h"
#include "core/common/PathText.h"
#include "core/common/Sha256.h"
#include "core/common/Utf.h"
#include "core/device/CUSBDriver.h"
#include "core/markup/ITextCodec.h"
#include "core/markup/SharedMarkupDocument.h"
#include "core/update/DownloadRules.h"
#include "core/update/FirmwareUpdate.h"
#include "core/update/FirmwareVersion.h"
#include "core/update/IDownloader.h"
#include "core/update/UpdateDescription.h"
#include "core/update/UpdatePaths.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>

namespace qx71 {

namespace {

// Exit status of "firmware check" when the mouse can get newer firmware.
constexpr int kNewerFirmwareExit = 10;
// The window gives the online check 2 seconds; so does the command.
constexpr DownloadLimits kCheckLimits{FirmwareUpdate::kCheckTimerMs, FirmwareUpdate::kCheckTimerMs,
                                      kDescriptionLimits.maxBytes};
constexpr size_t kHashChunk = 64 * 1024;

// A private folder for a description that is read once and not kept.
class ScratchFolder {
public:
    ScratchFolder() : path_(SystemMakeScratchFolder()) {}
    ~ScratchFolder()
    {
        std::error_code ec;
        if (!path_.empty()) {
            std::filesystem::remove_all(path_, ec);
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

UpdatePaths Paths(CliContext& context)
{
    const std::filesystem::path installDir = context.InstallDir();
    return FormUpdatePaths(installDir, context.DataDir(),
                           SystemCanWriteUnder(installDir / "FWUpdate" / "new_version"));
}

// The online description, fetched into a scratch folder and read. nullopt (after printing
// why) when it could not be fetched.
std::optional<FirmwareOffer> FetchOnlineOffer(CliContext& context, IDownloader& downloader,
                                              const std::string& address,
                                              const DownloadLimits& limits)
{
    ScratchFolder scratch;
    if (scratch.path().empty()) {
        context.Fail("cannot create a temporary folder");
        return std::nullopt;
    }
    const std::filesystem::path file = scratch.path() / "update.xml";
    const DownloadResult result = downloader.Download(address, file, limits);
    if (!result.ok()) {
        context.Fail("cannot fetch the update description " + address + ": " +
                     DownloadErrorText(result));
        return std::nullopt;
    }
    const std::unique_ptr<ITextCodec> codec = MakeSystemTextCodec();
    SharedMarkupDocument markup(context.Files(), *codec);
    return ReadUpdateDescription(markup, file);
}

nlohmann::json OfferJson(const std::optional<FirmwareOffer>& offer)
{
    if (!offer || !offer->current) {
        return nullptr;
    }
    return offer->Version();
}

std::string OfferText(const std::optional<FirmwareOffer>& offer)
{
    return offer && offer->current ? std::to_string(offer->Version()) : "none";
}

void Check(CliContext& context)
{
    CUSBDriver link(context.Hid(), context.Clock());
    if (!OpenLink(context, link)) {
        return;
    }
    int version = 0;
    const bool queried = link.ReadFirmwareVersion(version);
    const std::u16string installedText = FirmwareVersionText(queried, version);
    const int32_t installed = VersionNumber(installedText);

    const UpdatePaths paths = Paths(context);
    std::optional<FirmwareOffer> local;
    {
        const std::unique_ptr<ITextCodec> codec = MakeSystemTextCodec();
        SharedMarkupDocument markup(context.Files(), *codec);
        local = ReadUpdateDescription(markup, paths.LocalDescription(context.Files()));
    }

    const std::string address = DescriptionAddress(UpdateServer(SystemUpdateServerEnvironment()));
    std::optional<FirmwareOffer> online;
    if (!address.empty()) {
        const std::unique_ptr<IDownloader> downloader = MakeSystemDownloader();
        if (!downloader) {
            context.Fail("this build cannot download: no online check");
            return;
        }
        online = FetchOnlineOffer(context, *downloader, address, kCheckLimits);
        if (!online) {
            return;
        }
    }

    const bool newer = (local && IsNewerFirmware(local->Version(), installed)) ||
                       (online && IsNewerFirmware(online->Version(), installed));
    const std::optional<std::string> url =
        online && online->newfile ? std::optional(Utf16ToUtf8(*online->newfile)) : std::nullopt;
    const nlohmann::json data = {
        {"installed", installedText.empty() ? nlohmann::json(nullptr) : nlohmann::json(installed)},
        {"localOffer", OfferJson(local)},
        {"onlineOffer", OfferJson(online)},
        {"newer", newer},
        {"url", url ? nlohmann::json(*url) : nlohmann::json(nullptr)},
    };
    context.Print(data, [&] {
        std::cout << "Installed firmware: "
                  << (installedText.empty()
                          ? std::string("Unknown")
                          : Utf16ToUtf8(installedText) + " (" +
                                Utf16ToUtf8(FirmwareVersionDisplay(installedText)) + ")")
                  << '\n'
                  << "Local offer:        " << OfferText(local) << '\n'
                  << "Online offer:       "
                  << (address.empty() ? std::string("none (no update server set)")
                                      : OfferText(online))
                  << '\n'
                  << "Newer firmware:     " << (newer ? "yes" : "no") << '\n';
        if (url) {
            std::cout << "Download address:   " << *url << '\n';
        }
    });
    if (newer && context.exitCode == 0) {
        context.exitCode = kNewerFirmwareExit;
    }
}

std::optional<std::string> HashFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    Sha256 sha;
    std::vector<uint8_t> chunk(kHashChunk);
    while (in) {
        in.read(reinterpret_cast<char*>(chunk.data()), static_cast<std::streamsize>(chunk.size()));
        sha.Update({chunk.data(), static_cast<size_t>(in.gcount())});
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return HexBytes(sha.Finish());
}

void Download(CliContext& context, const std::string& output)
{
    const std::string address = DescriptionAddress(UpdateServer(SystemUpdateServerEnvironment()));
    if (address.empty()) {
        context.Fail("no update server is set (QX71_UPDATE_SERVER)");
        return;
    }
    const std::unique_ptr<IDownloader> downloader = MakeSystemDownloader();
    if (!downloader) {
        context.Fail("this build cannot download firmware");
        return;
    }
    const std::optional<FirmwareOffer> online =
        FetchOnlineOffer(context, *downloader, address, kDescriptionLimits);
    if (!online) {
        return;
    }
    if (!online->newfile || online->newfile->empty()) {
        context.Fail("the update description names no firmware image (\"newfile\")");
        return;
    }
    const std::string url = Utf16ToUtf8(*online->newfile);
    const std::filesystem::path destination =
        output.empty() ? Paths(context).image : std::filesystem::absolute(output);
    context.Files().CreateDirectories(destination.parent_path());
    const DownloadResult result = downloader->Download(url, destination, kImageLimits);
    if (!result.ok()) {
        context.Fail("cannot download the firmware image " + url + ": " +
                     DownloadErrorText(result));
        return;
    }
    const std::optional<std::string> sha256 = HashFile(destination);
    if (!sha256) {
        context.Fail("cannot read the downloaded image " + PathToUtf8(destination));
        return;
    }
    const nlohmann::json data = {
        {"path", PathToUtf8(destination)},
        {"size", result.bytes},
        {"sha256", *sha256},
        {"url", url},
    };
    context.Print(data, [&] {
        std::cout << "path:   " << PathToUtf8(destination) << '\n'
                  << "size:   " << result.bytes << '\n'
                  << "sha256: " << *sha256 << '\n';
    });
}

} // namespace

void RegisterFirmwareCommands(CLI::App& app, CliContext& context)
{
    CLI::App* firmware = app.add_subcommand("firmware", "Firmware update");
    firmware->require_subcommand(1);
    firmware
        ->add_subcommand("check", "Compare the mouse's firmware with the local and the online "
                                  "offer; exit 10 when newer firmware exists")
        ->callback([&] { Check(context); });
    CLI::App* download = firmware->add_subcommand(
        "download", "Fetch the offered firmware image (it does not flash the mouse)");
    auto output = std::make_shared<std::string>();
    download->add_option("-o,--output", *output, "Where to store the image");
    download->callback([&context, output] { Download(context, *output); });
}

} // namespace qx71
