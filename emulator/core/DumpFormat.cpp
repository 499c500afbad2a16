#include "DumpFormat.h"

#include <cstring>

#include "Crc32.h"

namespace orlog7emu {

namespace {
constexpr char kMagic[4] = {'O', 'R', '7', 'D'};
constexpr uint16_t kFormatVersion = 1;
constexpr size_t kFirmwareField = 8;
}  // namespace

Bytes EncodeDump(const LoggerState& state, int64_t now) {
    Bytes bytes;
    bytes.reserve(kDumpHeaderSize + state.log.size() * kFixRecordSize + 4);
    ByteWriter out(bytes);
    out.Raw(reinterpret_cast<const uint8_t*>(kMagic), sizeof kMagic);
    out.U16(kFormatVersion);
    out.U16(kFixRecordSize);
    out.U32(static_cast<uint32_t>(state.log.size()));
    out.U32(state.serialNumber);
    out.FixedText(state.firmwareVersion, kFirmwareField);
    out.U32(static_cast<uint32_t>(now));
    out.U32(0);
    WriteFixes(out, state.log);
    out.U32(Crc32(bytes.data(), bytes.size()));
    return bytes;
}

bool DecodeDump(const Bytes& bytes, DumpContents& contents) {
    if (!HasCrc32Trailer(bytes.data(), bytes.size(), kDumpHeaderSize)) {
        return false;
    }
    const size_t body = bytes.size() - 4;

    ByteReader in(bytes.data(), body);
    uint8_t magic[4];
    in.Raw(magic, sizeof magic);
    const uint16_t format = in.U16();
    const uint16_t recordSize = in.U16();
    const uint32_t count = in.U32();
    contents.serialNumber = in.U32();
    if (!in.FixedText(kFirmwareField, contents.firmwareVersion)) {
        return false;
    }
    contents.dumpedAt = in.U32();
    in.U32();
    // The count is checked against the log's capacity before it is multiplied:
    // a 32-bit size_t would wrap.
    if (!in.Ok() || std::memcmp(magic, kMagic, sizeof kMagic) != 0 || format != kFormatVersion ||
        recordSize != kFixRecordSize || count > kLogCapacityRecords ||
        in.Remaining() != static_cast<size_t>(count) * kFixRecordSize) {
        return false;
    }
    return ReadFixes(in, count, contents.fixes);
}

}  // namespace orlog7emu
