#include <gtest/gtest.h>

#include "Crc32.h"
#include "EmulatorFakes.h"
#include "ResultCode.h"

namespace orlog7emu {
namespace {

// Re-seals an edited image so that only the edit, not the checksum, is wrong.
Bytes Resealed(Bytes image) {
    const size_t body = image.size() - 4;
    const uint32_t crc = Crc32(image.data(), body);
    for (int i = 0; i < 4; ++i)
        image[body + i] = static_cast<uint8_t>(crc >> (8 * i));
    return image;
}

TEST(FirmwareImage, VersionReadChecksInOrder) {
    const Bytes good = BuildImage("V3.2");
    Bytes badMagic = good;
    badMagic[0] = 'X';
    Bytes badModel = good;
    badModel[8] = 'Q';
    Bytes unterminatedVersion = good;
    for (size_t i = 16; i < 24; ++i)
        unterminatedVersion[i] = 'x';
    Bytes reserved = good;
    reserved[28] = 1;
    Bytes modelPadding = good;
    modelPadding[7] = 'X';  // after the terminator of "ORLOG7"
    Bytes versionPadding = good;
    versionPadding[23] = '1';  // after the terminator of "V3.2"
    Bytes badPayload = good;
    badPayload[kImageHeaderSize + 100] ^= 1;
    Bytes shortImage(good.begin(), good.end() - 1);
    Bytes longImage = good;
    longImage.push_back(0);

    struct Case {
        const char* name;
        const char* path;
        Bytes file;
        int32_t expected;
    };
    const Case cases[] = {
        {"good", "/img/fw.bin", good, code::kReadBinFileVersionSuccessful},
        {"no path", "", good, code::kErrorBinFilePath},
        {"no such file", "/img/other.bin", good, code::kErrorBinFilePath},
        {"a folder", "/img", good, code::kErrorBinFilePath},
        {"short", "/img/fw.bin", shortImage, code::kBinFileSizeError},
        {"long", "/img/fw.bin", longImage, code::kBinFileSizeError},
        {"empty", "/img/fw.bin", Bytes(), code::kBinFileSizeError},
        {"magic", "/img/fw.bin", Resealed(badMagic), code::kNotCorrectBinFile},
        {"model", "/img/fw.bin", Resealed(badModel), code::kNotCorrectBinFile},
        {"version text", "/img/fw.bin", Resealed(unterminatedVersion), code::kNotCorrectBinFile},
        {"reserved", "/img/fw.bin", Resealed(reserved), code::kNotCorrectBinFile},
        {"model padding", "/img/fw.bin", Resealed(modelPadding), code::kNotCorrectBinFile},
        {"version padding", "/img/fw.bin", Resealed(versionPadding), code::kNotCorrectBinFile},
        {"payload", "/img/fw.bin", badPayload, code::kBinFileChecksumError},
    };
    for (const Case& c : cases) {
        MemoryFileSystem fs;
        fs.dirs.insert("/img");
        fs.files["/img/fw.bin"] = c.file;
        StateStore store(fs, kStatePath);
        FakeClock clock(kTestNow);
        FakeMachine machine;
        FakeMachineLocks locks(machine);
        VirtualLogger logger(EmulatorConfig(), clock, fs, store, locks);
        std::string version;
        EXPECT_EQ(logger.ReadImageVersion(c.path, version), c.expected) << c.name;
        if (c.expected == code::kReadBinFileVersionSuccessful) {
            EXPECT_EQ(version, "V3.2");
        }
    }
}

TEST(FirmwareImage, UnreadableFileCannotBeOpened) {
    LoggerRig rig;
    rig.fs.unreadable.insert(kImagePath);
    std::string version;
    EXPECT_EQ(rig.Logger().ReadImageVersion(kImagePath, version), code::kCannotOpenBinFile);
}

TEST(FirmwareImage, UpgradeNeedsDumpModeThenShowsTheNewVersion) {
    EmulatorConfig config;
    config.transferDelayMsPerKiB = 2;
    LoggerRig rig(config);
    EXPECT_EQ(rig.Logger().UpgradeFirmware(5, kImagePath), code::kNotDumpMode);
    rig.Logger().IntoDumpMode(5);
    EXPECT_EQ(rig.Logger().UpgradeFirmware(5, "/g/abcd/binfile/missing.Bin"),
              code::kErrorBinFilePath);
    ASSERT_EQ(rig.Logger().UpgradeFirmware(5, kImagePath), code::kUpgradeSuccessful);
    EXPECT_EQ(rig.clock.slept, ((kImageSize + 1023) / 1024) * 2);
    DeviceInfo info;
    rig.Logger().ReadDeviceInfo(5, info);
    EXPECT_EQ(info.firmwareVersion, "V2.01");
}

TEST(FirmwareImage, OnlyVersionsThatFitTheDeviceFieldAreBuilt) {
    EXPECT_TRUE(IsValidFirmwareVersion("1234567"));
    EXPECT_FALSE(IsValidFirmwareVersion("12345678"));
    EXPECT_FALSE(IsValidFirmwareVersion(""));
    EXPECT_FALSE(IsValidFirmwareVersion("V1\t0"));
    EXPECT_THROW(BuildImage("12345678"), std::invalid_argument);
}

}  // namespace
}  // namespace orlog7emu
