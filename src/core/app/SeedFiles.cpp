#include "core/app/SeedFiles.h"

#include "core/common/LittleEndian.h"
#include "core/config/ProfileDefaults.h"
#include "core/macro/MacroTable.h"
#include "core/stats/StatsRecord.h"

#include <string_view>

namespace qx71 {

namespace {

constexpr int32_t kLanguageEnglish = 2;
// Any value but 1 means English at the first start.
constexpr std::string_view kLanguageTypeIni = "[languagetype]\nvalue=0\n";

template <size_t N> std::vector<uint8_t> ToVector(const std::array<uint8_t, N>& bytes)
{
    return {bytes.begin(), bytes.end()};
}

} // namespace

std::vector<SeedFile> BuildSeedFiles()
{
    std::vector<SeedFile> files;
    // Zero records are free slots: no macros yet.
    files.push_back({"Macro.cfg", std::vector<uint8_t>(kMacroFileBytes, 0)});

    std::vector<uint8_t> language(sizeof(int32_t));
    StoreLe32(language.data(), static_cast<uint32_t>(kLanguageEnglish));
    files.push_back({"Language.cfg", language});

    files.push_back({"Sts.cfg", std::vector<uint8_t>(kStatsFileBytes, 0)});
    files.push_back({"Profile/ConfigInfo.cfg", ToVector(DirectoryToBytes(SeedDirectory()))});
    const std::vector<uint8_t> profile = ToVector(ProfileToBytes(DefaultProfile(false)));
    for (size_t n = 1; n <= kProfileSlots; ++n) {
        files.push_back({"Profile/Profile" + std::to_string(n) + ".cfg", profile});
    }
    files.push_back({"skins/languagetype.ini",
                     std::vector<uint8_t>(kLanguageTypeIni.begin(), kLanguageTypeIni.end())});
    return files;
}

} // namespace qx71
