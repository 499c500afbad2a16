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
#include "operations/SettingsFields.h"
#include "tests/common/ScriptedLibrary.h"

namespace vantrel {
namespace fuzz {
namespace {

constexpr size_t kUserPointsAt = 25;
constexpr size_t kInputSize = kUserPointsAt + sizeof(UserPointTable);

// The reading the texts should be made from: the one-byte settings as they
// are, the lowest-addressed byte of each four-byte one.
DeviceSettings ExpectedReading(const FuzzInput& in) {
    DeviceSettings s{};
    s.timeInterval = in.Read<int32_t>(0);
    s.displacementInterval = in.Read<int32_t>(4);
    s.vibration = in[8];
    s.tag = in[9];
    s.minSpeedLimit = in[10];
    s.intoIdleTimer = in[14];
    s.tagMode = in[18];
    s.timeZone = static_cast<int8_t>(in[19]);
    s.carSpeedLimit = in[20];
    std::memcpy(s.userPoints.data(), in.At(kUserPointsAt), sizeof s.userPoints);
    return s;
}

// What the readback must write for `reading`, as the oracle has it.
expected::Events OracleTexts(const DeviceSettings& reading) {
    return expected::ReadbackFields(expected::SettingsAs<expected::Settings>(reading));
}

void CheckTexts(const DeviceSettings& reading) {
    const expected::Events texts = testing::AsEvents(SettingsFieldTexts(reading));
    const bool vibrationShown = reading.vibration == 0 || reading.vibration == 2;
    FUZZ_REQUIRE(texts.size() == (vibrationShown ? 19u : 18u), "19 fields, 18 without vibration");
    FUZZ_REQUIRE(texts == OracleTexts(reading), "every field and user-point line as the oracle's");
    for (const expected::Event& field : texts) {
        FUZZ_REQUIRE(IsValidUtf8(field.text), "every text is UTF-8");
    }
}

// The library stand-in writes the fuzzed outputs, each four-byte one either
// whole or only its lowest byte.
const FuzzInput* gInput = nullptr;

void WriteFour(uint32_t* out, size_t offset, bool lowestByteOnly) {
    std::memcpy(out, gInput->At(offset), lowestByteOnly ? 1 : 4);
}

Orlog7Result ORLOG7_CALL FuzzedReadSettingValue(Orlog7Port, int32_t* timeInterval,
                                                int32_t* displacementInterval, uint8_t* vibration,
                                                uint8_t* tag, uint32_t* minSpeedLimit,
                                                UserPoint* userPoints, uint32_t* intoIdleTimer,
                                                uint8_t* tagMode, int8_t* timeZone,
                                                uint32_t* carSpeedLimit) {
    const FuzzInput& in = *gInput;
    const unsigned flags = in[24];
    *timeInterval = in.Read<int32_t>(0);
    *displacementInterval = in.Read<int32_t>(4);
    *vibration = in[8];
    *tag = in[9];
    WriteFour(minSpeedLimit, 10, flags & 1u);
    WriteFour(intoIdleTimer, 14, flags & 2u);
    *tagMode = in[18];
    *timeZone = static_cast<int8_t>(in[19]);
    WriteFour(carSpeedLimit, 20, flags & 4u);
    std::memcpy(userPoints, in.At(kUserPointsAt), sizeof(UserPointTable));
    return 22;
}

void CheckButton(const FuzzInput& in, const DeviceSettings& reading) {
    gInput = &in;
    testing::OperationRig rig;
    rig.Entries().Set<Export::ReadSettingValue>(&FuzzedReadSettingValue);

    ReadSettingValues(rig.Context());

    FUZZ_REQUIRE(rig.window.Boxes() == std::vector<std::string>{expected::MessageOf(22)},
                 "one success box");
    FUZZ_REQUIRE(rig.window.Sequence() ==
                     expected::EventsFor(expected::OperationOf(1007), 22, OracleTexts(reading)),
                 "every field shows the lowest byte of each four-byte output");
}

}  // namespace
}  // namespace fuzz
}  // namespace vantrel

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel::fuzz;
    const FuzzInput in(data, size, kInputSize);
    const vantrel::DeviceSettings reading = ExpectedReading(in);
    CheckTexts(reading);
    CheckButton(in, reading);
    return 0;
}
