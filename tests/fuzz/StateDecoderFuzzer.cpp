// Fuzzes the emulator's state decoder with arbitrary bytes, as a state file
// may hold after a crash, a disk error or an edit by hand.
//
// Each input is decoded as it is, whose checksum hardly ever matches, and
// with its last four bytes made the CRC-32 of the rest, so that the fields
// behind the checksum are reached. A decoded state must be one the logger
// could hold, must come back the same through encoding and decoding, and
// must still read back after the logger has logged from it for a while (up
// to two hours, taken from the input) and left dump mode.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "Crc32.h"
#include "FirmwareImage.h"
#include "FuzzSupport.h"
#include "Recorder.h"
#include "SettingsLimits.h"
#include "StateCodec.h"

namespace {

using namespace orlog7emu;

bool SameFix(const GpsFix& a, const GpsFix& b) {
    return a.utcSeconds == b.utcSeconds && a.latitudeE7 == b.latitudeE7 &&
           a.longitudeE7 == b.longitudeE7 && a.speedCentiKnots == b.speedCentiKnots &&
           a.courseCentiDegrees == b.courseCentiDegrees;
}

bool SameState(const LoggerState& a, const LoggerState& b) {
    return a.serialNumber == b.serialNumber && a.serialNumberAssigned == b.serialNumberAssigned &&
           a.firmwareVersion == b.firmwareVersion && a.distributorName == b.distributorName &&
           a.modelName == b.modelName && a.settings == b.settings &&
           a.loggedThrough == b.loggedThrough &&
           std::equal(a.log.begin(), a.log.end(), b.log.begin(), b.log.end(), SameFix);
}

void Check(const Bytes& bytes, int64_t awaySeconds) {
    LoggerState state;
    if (!DecodeState(bytes, state)) {
        return;
    }
    FUZZ_REQUIRE(state.serialNumber <= kMaxSerialNumber &&
                     (state.serialNumberAssigned || state.serialNumber == 0),
                 "a serial number the logger can hold");
    FUZZ_REQUIRE(IsValidFirmwareVersion(state.firmwareVersion), "a firmware version");
    FUZZ_REQUIRE(state.distributorName.size() <= kDeviceTextMaxLength &&
                     state.modelName.size() <= kDeviceTextMaxLength,
                 "names that fit the device's fields");
    FUZZ_REQUIRE(CheckSettings(state.settings) == 0, "settings within their limits");
    FUZZ_REQUIRE(state.loggedThrough >= 0 && state.loggedThrough <= int64_t{UINT32_MAX},
                 "logged through a time a fix can have");
    FUZZ_REQUIRE(state.log.size() <= kLogCapacityRecords, "no more fixes than memory holds");
    FUZZ_REQUIRE(std::all_of(state.log.begin(), state.log.end(), IsPossibleFix),
                 "fixes a receiver could report");

    LoggerState again;
    FUZZ_REQUIRE(DecodeState(EncodeState(state), again) && SameState(state, again),
                 "the same state after encoding and decoding");

    CatchUpLogging(state, state.loggedThrough + awaySeconds);
    SkipLoggingUntil(state, state.loggedThrough + awaySeconds);
    FUZZ_REQUIRE(state.log.size() <= kLogCapacityRecords, "logging stops when memory is full");
    FUZZ_REQUIRE(DecodeState(EncodeState(state), again), "a state that reads back after logging");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Bytes bytes(data, data + size);
    // The first bytes of the log say how long the logger is away.
    const int64_t away = size >= 276 ? GetLe16(data + 272) % 7200 : 3600;
    Check(bytes, away);
    if (size >= 4) {
        PutLe32(bytes.data() + size - 4, Crc32(data, size - 4));
        Check(bytes, away);
    }
    return 0;
}
