#include "StateCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "Crc32.h"
#include "FirmwareImage.h"
#include "SettingsLimits.h"

namespace orlog7emu {

namespace {

constexpr char kMagic[4] = {'O', 'R', '7', 'S'};
constexpr uint32_t kFormatVersion = 1;
constexpr size_t kFirmwareField = 8;
constexpr size_t kNameField = kDeviceTextMaxLength + 1;
constexpr size_t kStateHeaderSize = 272;  // up to the first fix record

void WriteSettings(ByteWriter& out, const LoggerSettings& s) {
    out.I32(s.timeInterval);
    out.I32(s.displacementInterval);
    out.U8(s.vibration);
    out.U8(s.tag);
    out.U8(s.minSpeedLimit);
    out.Raw(reinterpret_cast<const uint8_t*>(s.userPoints.data()), sizeof(UserPointTable));
    out.U8(s.intoIdleTimer);
    out.U8(s.tagMode);
    out.U8(static_cast<uint8_t>(s.timeZone));
    out.U8(s.carSpeedLimit);
}

LoggerSettings ReadSettings(ByteReader& in) {
    LoggerSettings s{};
    s.timeInterval = in.I32();
    s.displacementInterval = in.I32();
    s.vibration = in.U8();
    s.tag = in.U8();
    s.minSpeedLimit = in.U8();
    in.Raw(reinterpret_cast<uint8_t*>(s.userPoints.data()), sizeof(UserPointTable));
    s.intoIdleTimer = in.U8();
    s.tagMode = in.U8();
    s.timeZone = static_cast<int8_t>(in.U8());
    s.carSpeedLimit = in.U8();
    return s;
}

}  // namespace

Bytes EncodeState(const LoggerState& state) {
    Bytes bytes;
    bytes.reserve(kStateHeaderSize + state.log.size() * kFixRecordSize + 4);
    ByteWriter out(bytes);
    out.Raw(reinterpret_cast<const uint8_t*>(kMagic), sizeof kMagic);
    out.U32(kFormatVersion);
    out.U32(state.serialNumber);
    out.U8(state.serialNumberAssigned ? 1 : 0);
    out.FixedText(state.firmwareVersion, kFirmwareField);
    out.FixedText(state.distributorName, kNameField);
    out.FixedText(state.modelName, kNameField);
    WriteSettings(out, state.settings);
    out.I64(state.loggedThrough);
    out.U32(static_cast<uint32_t>(state.log.size()));
    WriteFixes(out, state.log);
    out.U32(Crc32(bytes.data(), bytes.size()));
    return bytes;
}

bool DecodeState(const Bytes& bytes, LoggerState& state) {
    if (!HasCrc32Trailer(bytes.data(), bytes.size(), 4)) {
        return false;
    }
    const size_t body = bytes.size() - 4;

    ByteReader in(bytes.data(), body);
    uint8_t magic[4];
    in.Raw(magic, sizeof magic);
    if (std::memcmp(magic, kMagic, sizeof kMagic) != 0 || in.U32() != kFormatVersion) {
        return false;
    }
    state.serialNumber = in.U32();
    const uint8_t assigned = in.U8();
    if (!in.FixedText(kFirmwareField, state.firmwareVersion) ||
        !in.FixedText(kNameField, state.distributorName) ||
        !in.FixedText(kNameField, state.modelName)) {
        return false;
    }
    state.settings = ReadSettings(in);
    state.loggedThrough = in.I64();
    const uint32_t count = in.U32();
    // A logger without a serial number reads 0; fix times are 32-bit, so
    // logging can have been done up to their end at most.
    const bool serialOk = assigned == 1 ? state.serialNumber <= kMaxSerialNumber
                                        : assigned == 0 && state.serialNumber == 0;
    if (!in.Ok() || !serialOk || count > kLogCapacityRecords ||
        in.Remaining() != static_cast<size_t>(count) * kFixRecordSize || state.loggedThrough < 0 ||
        state.loggedThrough > kLastFixTime || !IsValidFirmwareVersion(state.firmwareVersion) ||
        CheckSettings(state.settings) != 0) {
        return false;
    }
    state.serialNumberAssigned = assigned == 1;
    return ReadFixes(in, count, state.log) &&
           std::all_of(state.log.begin(), state.log.end(), IsPossibleFix);
}

}  // namespace orlog7emu
