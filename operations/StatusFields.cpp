#include "operations/StatusFields.h"

#include "operations/LibraryText.h"
#include "res/resource.h"

namespace vantrel {
namespace {

std::string Decimal(uint32_t value) {
    return std::to_string(value);
}
std::string Decimal(int32_t value) {
    return std::to_string(value);
}

template <std::size_t N>
std::string BufferText(const char (&buffer)[N]) {
    return LibraryText(buffer, N);
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
    return ComposeField({IDC_DLL_VERSION, "( DLL Version = ", BufferText(version), " )"});
}

std::vector<FieldText> DeviceInformationFields(uint32_t serialNumber,
                                               const FirmwareVersionBuffer& firmwareVersion,
                                               const DistributorNameBuffer& distributorName,
                                               const ModelNameBuffer& modelName) {
    return ComposeFields({
        {IDC_SERIAL_NUMBER, "( SerialNumber = ", Decimal(serialNumber), " )"},
        {IDC_FW_VERSION, "( FW Ver = ", BufferText(firmwareVersion), " )"},
        {IDC_DISTRIBUTOR_NAME, "( Distributor Name = ", BufferText(distributorName), " )"},
        {IDC_MODEL_NAME, "( Model Name = ", BufferText(modelName), " )"},
    });
}

// Day before month before year.
FieldText GpsUtcTimeField(const GpsUtcTime& time) {
    const std::string text = Decimal(time.hour) + ":" + Decimal(time.minute) + ":" +
                             Decimal(time.second) + "  ,  " + Decimal(time.day) + "," +
                             Decimal(time.month) + "," + Decimal(time.year);
    return ComposeField({IDC_GPS_TIME, "( GPS UTC = ", text, " )"});
}

int32_t FreeMemorySize(int32_t usedSize) {
    const uint32_t capacity = ORLOG7_LOG_MEMORY_CAPACITY;
    return ToSigned32(capacity - static_cast<uint32_t>(usedSize));
}

std::vector<FieldText> MemorySizeFields(int32_t usedSize) {
    return ComposeFields({
        {IDC_MEMORY_USED, "( Memory Used Size = ", Decimal(usedSize), " Bytes )"},
        {IDC_MEMORY_FREE, "( Free Memory Size = ", Decimal(FreeMemorySize(usedSize)), " Bytes )"},
    });
}

FieldText BinFileVersionField(const BinFileVersionBuffer& version) {
    return ComposeField(
        {IDC_BIN_FILE_VERSION, "( Bin File FW Version = ", BufferText(version), " )"});
}

FieldText AutoScanPortField(int32_t scannedPort) {
    return ComposeField({IDC_AUTO_SCAN_PORT, "( Auto Scan to COM ", Decimal(scannedPort), " )"});
}

}  // namespace vantrel
