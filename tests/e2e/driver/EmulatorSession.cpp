#include "EmulatorSession.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "Files.h"
#include "tests/common/ExpectedFieldTexts.h"
#include "tests/common/ExpectedSettingsTexts.h"
#include "Text.h"

namespace {

const std::wstring kDumpPath = e2e::Widen(expected::kDumpFilePath);
const wchar_t kSerialNumber[] = L"123456789";
const wchar_t kSecondSerialNumber[] = L"987654321";
const uint32_t kFactoryTrackStart = 1767254400;  // the oldest fix of a fresh logger

uint32_t Le(const std::string& bytes, size_t offset, size_t size) {
    uint32_t value = 0;
    for (size_t i = size; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

// CRC-32 as zlib computes it.
uint32_t Crc32(const std::string& bytes, size_t length) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < length; ++i) {
        crc ^= static_cast<unsigned char>(bytes[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// The auto scan finds the logger on COM05; the port is then chosen in the list.
void EnterDumpModeByScan(e2e::AppSession& app) {
    app.ExpectResultBox(1022, 24, "auto into dump mode");
    app.ExpectFields(expected::ScanFields(5), "scanned port");
    app.SelectPort(5);
}

void ExpectDeviceInformation(e2e::AppSession& app, const std::wstring& serial,
                             const std::string& firmware, const std::string& what) {
    app.ExpectResultBox(1015, 29, what);
    app.ExpectFields(expected::DeviceInformationFields(std::stoul(e2e::Narrow(serial)), firmware,
                                                       "Vantrel Emulated Devices", "ORLOG7"),
                     what);
}

// Reads the memory use; checks that free is the capacity minus it. -1 if unreadable.
long long ReadMemoryUsed(e2e::CaseContext& ctx, e2e::AppSession& app, const std::string& what) {
    app.ExpectResultBox(1039, 45, what);
    const std::wstring used = app.FieldText(1040);
    const long long value = expected::UsedSizeShown(e2e::Narrow(used));
    if (!ctx.Expect(value >= 0, what + ": used size in " + e2e::Describe(used)))
        return -1;
    app.ExpectFields(expected::MemoryFields(static_cast<int32_t>(value)), what);
    ctx.ExpectEq(value % 16, 0LL, what + ": whole 16-byte fixes");
    return value;
}

// The dump file: the header and records as emulator/README.md lays them out.
void ExpectDumpFile(e2e::CaseContext& ctx, long long used) {
    std::string bytes;
    ctx.Require(e2e::ReadWholeFile(kDumpPath, bytes), "the dump file exists");
    ctx.Expect(!e2e::Exists(kDumpPath + L".part"), "no temporary file is left");
    ctx.Require(bytes.size() >= 36, "dump file of " + std::to_string(bytes.size()) + " bytes");
    ctx.ExpectEq(bytes.substr(0, 4), std::string("OR7D"), "dump: magic");
    ctx.ExpectEq(Le(bytes, 4, 2), 1u, "dump: format version");
    ctx.ExpectEq(Le(bytes, 6, 2), 16u, "dump: record size");
    const uint32_t records = Le(bytes, 8, 4);
    ctx.ExpectEq(static_cast<long long>(records) * 16, used, "dump: records match the memory used");
    ctx.Require(bytes.size() == 32 + 16ull * records + 4,
                "dump: length for " + std::to_string(records) + " records, got " +
                    std::to_string(bytes.size()));
    ctx.ExpectEq(Le(bytes, 12, 4), 0u, "dump: serial number of a fresh logger");
    ctx.ExpectEq(std::string(bytes.c_str() + 16), std::string("V1.00"), "dump: firmware version");
    const long long age = static_cast<long long>(std::time(nullptr)) - Le(bytes, 24, 4);
    ctx.Expect(age >= -5 && age <= 120,
               "dump: time of the dump is now, " + std::to_string(age) + " s off");
    ctx.ExpectEq(Le(bytes, 28, 4), 0u, "dump: reserved");
    ctx.ExpectEq(Le(bytes, 32 + 16 * records, 4), Crc32(bytes, 32 + 16 * records), "dump: CRC-32");
    ctx.Require(records > 0, "dump: the factory drive is in the log");
    ctx.ExpectEq(Le(bytes, 32, 4), kFactoryTrackStart,
                 "dump: the oldest fix opens the factory drive");
    uint32_t previous = 0;
    int bad = 0;
    for (uint32_t i = 0; i < records; ++i) {
        const size_t at = 32 + 16 * static_cast<size_t>(i);
        const uint32_t time = Le(bytes, at, 4);
        const int32_t latitude = static_cast<int32_t>(Le(bytes, at + 4, 4));
        const int32_t longitude = static_cast<int32_t>(Le(bytes, at + 8, 4));
        const uint32_t course = Le(bytes, at + 14, 2);
        // Around the user points in eastern Taipei, oldest first.
        const bool ok = time >= previous && latitude > 240000000 && latitude < 260000000 &&
                        longitude > 1210000000 && longitude < 1225000000 && course <= 35999;
        if (!ok && bad++ < 3)
            ctx.Fail("dump: record " + std::to_string(i) + " is implausible");
        previous = time;
    }
}

// The GPS field for a UTC time, the year in two digits.
std::wstring GpsField(const SYSTEMTIME& t) {
    return e2e::Widen(
        expected::GpsTimeFields(t.wHour, t.wMinute, t.wSecond, t.wYear - 2000, t.wMonth, t.wDay)
            .front()
            .text);
}

}  // namespace

namespace e2e {

void WalkEmulatorSession(CaseContext& ctx, const EmulatorSessionSetup& setup) {
    const std::string& imageVersion = setup.imageVersion;
    const std::wstring& stateFile = setup.stateFile;
    ctx.Require(!e2e::Exists(stateFile),
                "the emulated logger starts factory-fresh: no " + e2e::Narrow(stateFile));
    const expected::Events settings = expected::WrittenSettingsReadback();
    DWORD exitedDumpModeAt = 0;
    {
        e2e::AppSession app(ctx, e2e::Library::Emulator, setup.launch);
        app.Link();
        app.SelectPort(2);
        app.ExpectResultBox(1013, 4, "into dump mode on COM02");
        EnterDumpModeByScan(app);
        ExpectDeviceInformation(app, L"0", "V1.00", "device information, fresh");

        app.ExpectResultBox(1004, 14, "settings write");
        app.ExpectResultBox(1007, 22, "readback");
        app.ExpectFields(settings, "readback");

        // Nothing is logged in dump mode, so the dump holds exactly what was counted.
        const long long used = ReadMemoryUsed(ctx, app, "memory before the dump");
        ctx.Expect(used >= 28800,
                   "the factory drive (28800 bytes) is in memory, got " + std::to_string(used));
        ctx.Require(!e2e::Exists(kDumpPath), "no dump file before the dump");
        app.ExpectResultBox(1002, 2, "dump");
        ExpectDumpFile(ctx, used);

        app.ExpectResultBox(1003, 13, "erase");
        ctx.ExpectEq(ReadMemoryUsed(ctx, app, "memory after the erase"), 0LL, "erased memory");
        app.ExpectFields(expected::MemoryFields(0), "memory after the erase");

        const std::string& image = imageVersion;
        app.ExpectResultBox(1019, 37, "image version");
        app.ExpectFields(expected::BinFileVersionFields(image), "image version");
        const e2e::CommandOutcome upgrade = app.Click(1018);
        ctx.Expect(upgrade.returned, "upgrade: the click returned");
        if (ctx.ExpectEq(upgrade.boxes.size(), 2u, "upgrade: boxes")) {
            ctx.ExpectEq(upgrade.boxes[0].text, e2e::Widen(expected::MessageOf(35)),
                         "upgrade: first box");
            ctx.ExpectEq(upgrade.boxes[1].text, e2e::Widen(expected::kUpgradeFinished),
                         "upgrade: second box");
        }
        ExpectDeviceInformation(app, L"0", image, "device information after the upgrade");

        app.SetFieldText(1026, kSerialNumber);
        app.ExpectResultBox(1027, 41, "first serial number");
        app.SetFieldText(1026, kSecondSerialNumber);
        app.ExpectResultBox(1027, 42, "second serial number");
        ExpectDeviceInformation(app, kSerialNumber, image,
                                "device information after the serial number");

        SYSTEMTIME before{};
        SYSTEMTIME after{};
        GetSystemTime(&before);
        app.ExpectResultBox(1024, 39, "GPS time");
        GetSystemTime(&after);
        const std::wstring gps = app.FieldText(1025);
        ctx.Expect(gps == GpsField(before) || gps == GpsField(after),
                   "GPS time is the computer's UTC time: " + e2e::Describe(gps) + ", expected " +
                       e2e::Describe(GpsField(after)));

        app.ExpectResultBox(1014, 25, "exit dump mode");
        exitedDumpModeAt = GetTickCount();
        app.Click(IDCANCEL);
        ctx.Require(app.WaitForExit(10000), "Vantrel ended after Exit");
        ctx.Expect(e2e::Exists(stateFile), "the logger is kept in " + e2e::Narrow(stateFile));
    }
    Sleep(3000);  // time away from the computer, in which the logger logs
    {
        e2e::AppSession app(ctx, e2e::Library::Emulator, setup.launch);
        app.Link();
        EnterDumpModeByScan(app);
        const double awaySeconds = (GetTickCount() - exitedDumpModeAt) / 1000.0;
        ExpectDeviceInformation(app, kSerialNumber, imageVersion, "second run: device information");
        app.ExpectResultBox(1007, 22, "second run: readback");
        app.ExpectFields(settings, "second run: readback");
        // Out of dump mode the logger logged one fix a second (the interval written).
        const long long fixes = ReadMemoryUsed(ctx, app, "second run: memory") / 16;
        ctx.Expect(fixes >= 1 && fixes >= awaySeconds - 2 && fixes <= awaySeconds + 2,
                   "second run: " + std::to_string(fixes) + " fixes logged in " +
                       std::to_string(awaySeconds) + " s out of dump mode");
        app.SetFieldText(1026, kSecondSerialNumber);
        app.ExpectResultBox(1027, 42, "second run: serial number");
        app.ExpectResultBox(1014, 25, "second run: exit dump mode");
    }
}

}  // namespace e2e
