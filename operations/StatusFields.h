// The texts of the status, firmware and port-scan readout fields, built from what the
// library returned. Pure functions: no window, no library.
#ifndef VANTREL_OPERATIONS_STATUSFIELDS_H
#define VANTREL_OPERATIONS_STATUSFIELDS_H

#include <cstdint>
#include <string>
#include <vector>

#include "devicelib/DeviceLibContract.h"
#include "operations/FieldText.h"

namespace vantrel {

// Text buffers are read only up to their size, terminated or not.
using DllVersionBuffer = char[ORLOG7_DLL_VERSION_SIZE];
using FirmwareVersionBuffer = char[ORLOG7_FW_VERSION_SIZE];
using DistributorNameBuffer = char[ORLOG7_DISTRIBUTOR_NAME_SIZE];
using ModelNameBuffer = char[ORLOG7_MODEL_NAME_SIZE];
using BinFileVersionBuffer = char[ORLOG7_BIN_FILE_VERSION_SIZE];

// The six bytes of the GPS time read, in the library's call order.
struct GpsUtcTime {
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
    uint8_t year;
    uint8_t month;
    uint8_t day;
};

// Field 1012.
FieldText DllVersionField(const DllVersionBuffer& version);

// Fields 1017, 1016, 1043, 1046, in that order.
std::vector<FieldText> DeviceInformationFields(uint32_t serialNumber,
                                               const FirmwareVersionBuffer& firmwareVersion,
                                               const DistributorNameBuffer& distributorName,
                                               const ModelNameBuffer& modelName);

// Field 1025: "( GPS UTC = h:m:s  ,  day,month,year )".
FieldText GpsUtcTimeField(const GpsUtcTime& time);

// Log memory left: capacity minus used, wrapping as 32-bit two's complement.
int32_t FreeMemorySize(int32_t usedSize);

// Fields 1040 (used) and 1041 (free), in that order.
std::vector<FieldText> MemorySizeFields(int32_t usedSize);

// Field 1020.
FieldText BinFileVersionField(const BinFileVersionBuffer& version);

// Field 1023: the port the automatic scan found.
FieldText AutoScanPortField(int32_t scannedPort);

}  // namespace vantrel

#endif
