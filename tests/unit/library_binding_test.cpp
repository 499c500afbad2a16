#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "devicelib/LibraryBinding.h"

namespace vantrel {
namespace {

Orlog7Result ORLOG7_CALL AnyExport() {
    return 0;
}

// A loader with a scripted library: which loads succeed, which names exist.
class ScriptedLoader final : public ModuleLoader {
public:
    bool loadSucceeds = true;
    std::set<std::string> missingExports;
    std::vector<std::string> loadedNames;
    std::vector<std::string> lookups;
    int references = 0;
    int releases = 0;

    ModuleHandle Load(const char* fileName) override {
        loadedNames.push_back(fileName);
        if (!loadSucceeds) {
            return nullptr;
        }
        ++references;
        return &references;  // any stable non-null value
    }
    AnyFunction Lookup(ModuleHandle, const char* name) override {
        lookups.push_back(name);
        return missingExports.count(name) != 0 ? nullptr
                                               : reinterpret_cast<AnyFunction>(&AnyExport);
    }
    void Release(ModuleHandle) override { ++releases; }
};

TEST(ExportNames, AreTheFourteenInLookupOrder) {
    const std::vector<std::string> expected = {
        "KZ_ORLOG7_DUMP_DB",
        "KZ_ORLOG7_ERASE_All_DB",
        "KZ_ORLOG7_SETTING_DEVICE",
        "KZ_ORLOG7_READ_DLL_VERSION",
        "KZ_ORLOG7_READ_SETTING_VALUE",
        "KZ_ORLOG7_INTO_DUMP_MODE",
        "KZ_ORLOG7_EXIT_DUMP_MODE",
        "KZ_ORLOG7_READ_DEVICE_INFORMATION",
        "KZ_ORLOG7_FW_UPGRADE",
        "KZ_ORLOG7_Read_BinFile_FW_Version",
        "KZ_ORLOG7_AUTO_INTO_DUMP_MODE",
        "KZ_ORLOG7_READ_GPS_UTC_TIME_DATE",
        "KZ_ORLOG7_Setting_SN",
        "KZ_ORLOG7_READ_MEMORY_USED_SIZE",
    };
    EXPECT_EQ(std::vector<std::string>(kExportNames.begin(), kExportNames.end()), expected);
}

TEST(LibraryBinding, LinkLoadsByFileNameAndFillsEverySlotInOrder) {
    ScriptedLoader loader;
    LibraryBinding binding(loader);
    EXPECT_TRUE(binding.Link());
    EXPECT_EQ(loader.loadedNames, std::vector<std::string>{"ORLOG7_DLL.dll"});
    EXPECT_EQ(loader.lookups, std::vector<std::string>(kExportNames.begin(), kExportNames.end()));
    for (std::size_t i = 0; i < kExportCount; ++i) {
        EXPECT_NE(binding.Entries().Slot(static_cast<Export>(i)), nullptr) << kExportNames[i];
    }
}

TEST(LibraryBinding, MissingExportsLeaveOnlyTheirSlotsEmpty) {
    ScriptedLoader loader;
    loader.missingExports = {"KZ_ORLOG7_Setting_SN", "KZ_ORLOG7_DUMP_DB"};
    LibraryBinding binding(loader);
    EXPECT_TRUE(binding.Link());
    EXPECT_EQ(binding.Entries().Slot(Export::SettingSn), nullptr);
    EXPECT_EQ(binding.Entries().Slot(Export::DumpDb), nullptr);
    EXPECT_NE(binding.Entries().Slot(Export::EraseAllDb), nullptr);
}

TEST(LibraryBinding, ReleaseFreesOnlyAfterASuccessfulLink) {
    {
        ScriptedLoader loader;  // never linked
        LibraryBinding binding(loader);
        binding.Release();
        EXPECT_EQ(loader.releases, 0);
    }
    {
        ScriptedLoader loader;  // linked twice: one release, second reference left to exit
        LibraryBinding binding(loader);
        binding.Link();
        binding.Link();
        binding.Release();
        EXPECT_EQ(loader.references, 2);
        EXPECT_EQ(loader.releases, 1);
    }
}

TEST(LibraryBinding, FailedRelinkKeepsTheSlotsButReleasesNothing) {
    ScriptedLoader loader;
    LibraryBinding binding(loader);
    ASSERT_TRUE(binding.Link());
    loader.loadSucceeds = false;
    EXPECT_FALSE(binding.Link());
    EXPECT_FALSE(binding.Linked());
    EXPECT_NE(binding.Entries().Slot(Export::ReadDllVersion), nullptr);
    binding.Release();
    EXPECT_EQ(loader.releases, 0);
}

TEST(LibraryBinding, FailedFirstLinkLeavesEverySlotEmpty) {
    ScriptedLoader loader;
    loader.loadSucceeds = false;
    LibraryBinding binding(loader);
    EXPECT_FALSE(binding.Link());
    EXPECT_TRUE(loader.lookups.empty());
    for (std::size_t i = 0; i < kExportCount; ++i) {
        EXPECT_EQ(binding.Entries().Slot(static_cast<Export>(i)), nullptr);
    }
}

}  // namespace
}  // namespace vantrel
