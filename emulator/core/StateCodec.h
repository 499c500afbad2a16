// The state file's bytes.
//
// Layout (little-endian):
//    0   4  magic "OR7S"
//    4  u32 format version, 1
//    8  u32 serial number
//   12  u8  serial number assigned (0 or 1)
//   13   8  firmware version, zero-terminated
//   21  32  distributor name, zero-terminated
//   53  32  model name, zero-terminated
//   85  i32 time interval; i32 displacement interval; u8 vibration; u8 tag;
//       u8 minimum speed; 160 bytes user-point table; u8 idle timer;
//       u8 tag mode; i8 time zone; u8 car speed limit          (175 bytes)
//  260  i64 logged-through time, Unix seconds
//  268  u32 number of fixes n
//  272  n fix records of 16 bytes (GpsFix.h)
//  ...  u32 CRC-32 of all bytes before it
#ifndef VANTREL_EMULATOR_CORE_STATECODEC_H
#define VANTREL_EMULATOR_CORE_STATECODEC_H

#include "ByteIo.h"
#include "LoggerState.h"

namespace orlog7emu {

Bytes EncodeState(const LoggerState& state);

// False, leaving `state` unspecified, when the bytes are not a whole, intact
// state of this format whose values the logger could hold.
bool DecodeState(const Bytes& bytes, LoggerState& state);

}  // namespace orlog7emu

#endif
