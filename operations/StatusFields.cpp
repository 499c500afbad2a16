#include "StatusFields.h"

#include "../res/resource.h"
#include "LibraryText.h"

namespace vantrel {
namespace {

// The value of each row is named in its comment.
const FieldLayout kDllVersionLayout[] = {
    {IDC_DLL_VERSION, "( DLL Version = ", " )"},  // version text
};

const FieldLayout kDeviceInformationLayout[] = {
    {IDC_SERIAL_NUMBER, "( SerialNumber = ", " )"},         // unsigned decimal
    {IDC_FW_VERSION, "( FW Ver = ", " )"},                  // firmware version text
    {IDC_DISTRIBUTOR_NAME, "( Distributor Name = ", " )"},  // distributor name text
    {IDC_MODEL_NAME, "( Model Name = ", " )"},              // model name text
};

const FieldLayout kMemorySizeLayout[] = {
    {IDC_MEMORY_USED, "( Memory Used Size = ", " Bytes )"},  // used, signed decimal
    {IDC_MEMORY_FREE, "( Free Memory Size = ", " Bytes )"},  // free, signed decimal
};

const FieldLayout kBinFileVersionLayout[] = {
    {IDC_BIN_FILE_VERSION, "( Bin File FW Version = ", " )"},  // version text
};

// The time's pieces in display order (day before month before year), each
// followed by its separator.
struct TimePiece {
    uint8_t GpsUtcTime::*value;
    const char* after;
};
const TimePiece kTimePieces[] = {
    {&GpsUtcTime::hour, ":"}, {&GpsUtcTime::minute, ":"}, {&GpsUtcTime::second, "  ,  "},
    {&GpsUtcTime::day, ","},  {&GpsUtcTime::month, ","},  {&GpsUtcTime::year, ""},
};
const FieldLayout kGpsUtcTimeLayout[] = {
    {IDC_GPS_TIME, "( GPS UTC = ", " )"},  // the pieces above
};

std::string Decimal(uint32_t value) {
    return std::to_string(value);
}
std::string Decimal(int32_t value) {
    return std::to_string(value);
}

// Reinterprets 32 bits as two's complement without relying on the
// implementation-defined narrowing of out-of-range values.
int32_t ToSigned32(uint32_t bits) {
    if (bits <= static_cast<uint32_t>(INT32_MAX)) {
        return static_cast<int32_t>(bits);
    }
    return static_cast<int32_t>(bits - 0x80000000u) + INT32_MIN;
}

}  // namespace

FieldText DllVersionField(const DllVersionBuffer& version) {
    const std::string values[] = {LibraryText(version, sizeof version)};
    return LayOutFields(kDllVersionLayout, values).front();
}

std::vector<FieldText> DeviceInformationFields(uint32_t serialNumber,
                                               const FirmwareVersionBuffer& firmwareVersion,
                                               const DistributorNameBuffer& distributorName,
                                               const ModelNameBuffer& modelName) {
    const std::string values[] = {
        Decimal(serialNumber),
        LibraryText(firmwareVersion, sizeof firmwareVersion),
        LibraryText(distributorName, sizeof distributorName),
        LibraryText(modelName, sizeof modelName),
    };
    return LayOutFields(kDeviceInformationLayout, values);
}

FieldText GpsUtcTimeField(const GpsUtcTime& time) {
    std::string pieces;
    for (const TimePiece& piece : kTimePieces) {
        pieces += Decimal(static_cast<uint32_t>(time.*piece.value));
        pieces += piece.after;
    }
    const std::string values[] = {pieces};
    return LayOutFields(kGpsUtcTimeLayout, values).front();
}

int32_t FreeMemorySize(int32_t usedSize) {
    const uint32_t capacity = ORLOG7_LOG_MEMORY_CAPACITY;
    return ToSigned32(capacity - static_cast<uint32_t>(usedSize));
}

std::vector<FieldText> MemorySizeFields(int32_t usedSize) {
    const std::string values[] = {Decimal(usedSize), Decimal(FreeMemorySize(usedSize))};
    return LayOutFields(kMemorySizeLayout, values);
}

FieldText BinFileVersionField(const BinFileVersionBuffer& version) {
    const std::string values[] = {LibraryText(version, sizeof version)};
    return LayOutFields(kBinFileVersionLayout, values).front();
}

}  // namespace vantrel
