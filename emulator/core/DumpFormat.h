// The dump file the logger's log is copied into.
//
// Layout (little-endian):
//    0   4  magic "OR7D"
//    4  u16 format version, 1
//    6  u16 record size, 16
//    8  u32 number of records n
//   12  u32 serial number of the logger
//   16   8  firmware version of the logger, zero-terminated
//   24  u32 time of the dump, UTC, Unix seconds
//   28  u32 reserved, 0
//   32  n records of 16 bytes, oldest first (GpsFix.h)
//  ...  u32 CRC-32 of all bytes before it
#ifndef VANTREL_EMULATOR_CORE_DUMPFORMAT_H
#define VANTREL_EMULATOR_CORE_DUMPFORMAT_H

#include <cstdint>
#include <vector>

#include "ByteIo.h"
#include "LoggerState.h"

namespace orlog7emu {

constexpr size_t kDumpHeaderSize = 32;

Bytes EncodeDump(const LoggerState& state, int64_t now);

// What a dump holds, for tests and tools that read dumps.
struct DumpContents {
    uint32_t serialNumber = 0;
    std::string firmwareVersion;
    uint32_t dumpedAt = 0;
    std::vector<GpsFix> fixes;
};

// False when the bytes are not a whole, intact dump.
bool DecodeDump(const Bytes& bytes, DumpContents& contents);

}  // namespace orlog7emu

#endif
