// Fuzzes the settings readback texts with arbitrary values and 160-byte
// user-point tables, directly and through the Read Setting Value button with
// a library that writes the fuzzed outputs.
//
// Input layout (shorter inputs are padded with zeros):
//   0..3 time interval, 4..7 displacement interval, 8 vibration, 9 tag,
//   10..13 min. speed limit storage, 14..17 idle timer storage, 18 tag mode,
//   19 time zone, 20..23 car speed limit storage, 24 write flags (bit n set:
//   the library writes only the lowest byte of the n-th four-byte output),
//   25..184 the user-point table.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "operations/Operations.h"
#include "operations/SettingsFields.h"
#include "res/resource.h"

namespace vantrel {
namespace fuzz {
namespace {

constexpr size_t kUserPointsAt = 25;
constexpr size_t kInputSize = kUserPointsAt + sizeof(UserPointTable);

struct Raw {
    unsigned char bytes[kInputSize];

    template <typename T>
    T At(size_t offset) const {
        T value;
        std::memcpy(&value, bytes + offset, sizeof value);
        return value;
    }
};

// The reading the texts should be made from: the one-byte settings as they
// are, the lowest-addressed byte of each four-byte one.
DeviceSettings ExpectedReading(const Raw& raw) {
    DeviceSettings s{};
    s.timeInterval = raw.At<int32_t>(0);
    s.displacementInterval = raw.At<int32_t>(4);
    s.vibration = raw.bytes[8];
    s.tag = raw.bytes[9];
    s.minSpeedLimit = raw.bytes[10];
    s.intoIdleTimer = raw.bytes[14];
    s.tagMode = raw.bytes[18];
    s.timeZone = static_cast<int8_t>(raw.bytes[19]);
    s.carSpeedLimit = raw.bytes[20];
    std::memcpy(s.userPoints.data(), raw.bytes + kUserPointsAt, sizeof s.userPoints);
    return s;
}

// Each settings field's opening and closing text, written out here rather
// than taken from the code under test.
struct FieldShape {
    int controlId;
    const char* prefix;
    const char* suffix;
};
constexpr FieldShape kSettingsShapes[] = {
    {IDC_READ_TIME_INTERVAL, "( Read Time Interval = ", " )"},
    {IDC_READ_DISPLACEMENT_INTERVAL, "( Read Displacement Interval = ", " )"},
    {IDC_READ_VIBRATION, "( Vibration  = ", " )"},
    {IDC_READ_TAG, "( Tag  = ", " )"},
    {IDC_READ_MIN_SPEED_LIMIT, "( Min. Speed limit  = ", " )"},
    {IDC_READ_IDLE_TIMER, "( Into Idle Timer  = ", " minute)"},
    {IDC_READ_TAG_MODE, "( Tag Mode  = ", " )"},
    {IDC_READ_TIME_ZONE, "( Time Zone = ", " )"},
    {IDC_READ_CAR_SPEED_LIMIT, "( Car Speed Limit = ", " )"},
};

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void CheckTexts(const DeviceSettings& reading) {
    const std::vector<FieldText> texts = SettingsFieldTexts(reading);
    const bool vibrationShown = reading.vibration == 0 || reading.vibration == 2;
    FUZZ_REQUIRE(texts.size() == (vibrationShown ? 19u : 18u), "19 fields, 18 without vibration");

    size_t i = 0;
    for (const FieldShape& shape : kSettingsShapes) {
        if (shape.controlId == IDC_READ_VIBRATION && !vibrationShown) {
            continue;
        }
        const FieldText& field = texts[i++];
        FUZZ_REQUIRE(field.controlId == shape.controlId, "settings fields in order");
        FUZZ_REQUIRE(StartsWith(field.text, shape.prefix), "settings text starts with its prefix");
        FUZZ_REQUIRE(EndsWith(field.text, shape.suffix), "settings text ends with its suffix");
        FUZZ_REQUIRE(IsValidUtf8(field.text), "settings text is UTF-8");
    }
    for (size_t slot = 0; slot < reading.userPoints.size(); ++slot) {
        const FieldText& field = texts[i++];
        FUZZ_REQUIRE(field.controlId == IDC_USER_POINT_0 + static_cast<int>(slot),
                     "user-point lines in order");
        const std::string prefix = "User Point " + std::to_string(slot) + "-- ";
        FUZZ_REQUIRE(StartsWith(field.text, prefix), "user-point line starts with its prefix");
        FUZZ_REQUIRE(IsValidUtf8(field.text), "user-point line is UTF-8");
        FUZZ_REQUIRE(field.text == UserPointLine(slot, reading.userPoints[slot]),
                     "the field holds the slot's line");
    }
}

// The library stand-in writes the fuzzed outputs, each four-byte one either
// whole or only its lowest byte.
const Raw* gRaw = nullptr;

void WriteFour(uint32_t* out, size_t offset, bool lowestByteOnly) {
    std::memcpy(out, gRaw->bytes + offset, lowestByteOnly ? 1 : 4);
}

Orlog7Result ORLOG7_CALL FuzzedReadSettingValue(Orlog7Port, int32_t* timeInterval,
                                                int32_t* displacementInterval, uint8_t* vibration,
                                                uint8_t* tag, uint32_t* minSpeedLimit,
                                                UserPoint* userPoints, uint32_t* intoIdleTimer,
                                                uint8_t* tagMode, int8_t* timeZone,
                                                uint32_t* carSpeedLimit) {
    const unsigned flags = gRaw->bytes[24];
    std::memcpy(timeInterval, gRaw->bytes + 0, 4);
    std::memcpy(displacementInterval, gRaw->bytes + 4, 4);
    *vibration = gRaw->bytes[8];
    *tag = gRaw->bytes[9];
    WriteFour(minSpeedLimit, 10, flags & 1u);
    WriteFour(intoIdleTimer, 14, flags & 2u);
    *tagMode = gRaw->bytes[18];
    *timeZone = static_cast<int8_t>(gRaw->bytes[19]);
    WriteFour(carSpeedLimit, 20, flags & 4u);
    std::memcpy(userPoints, gRaw->bytes + kUserPointsAt, sizeof(UserPointTable));
    return 22;
}

void CheckButton(const Raw& raw, const DeviceSettings& expected) {
    gRaw = &raw;
    RecordingWindow window;
    NoModuleLoader loader;
    LibraryBinding library(loader);
    library.Entries().Set<Export::ReadSettingValue>(&FuzzedReadSettingValue);

    ReadSettingValues(OperationContext{window, library});

    FUZZ_REQUIRE(
        window.boxes.size() == 1 && window.boxes[0] == "22 return_read_setting_interval_successful",
        "one success box");
    FUZZ_REQUIRE(window.fields == SettingsFieldTexts(expected),
                 "every field shows the lowest byte of each four-byte output");
}

}  // namespace
}  // namespace fuzz
}  // namespace vantrel

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel::fuzz;
    Raw raw{};
    std::memcpy(raw.bytes, data, size < kInputSize ? size : kInputSize);
    const vantrel::DeviceSettings reading = ExpectedReading(raw);
    CheckTexts(reading);
    CheckButton(raw, reading);
    return 0;
}
