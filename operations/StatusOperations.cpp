// The four status readouts: library version, device information, GPS time
// and memory use. Their reporting is their rows in OperationRules.h.
//
// Every output is preset (texts all zero, numbers zero) so that one the
// library leaves unwritten shows as empty or 0, and every text is read only
// within its buffer.
#include "operations/Operations.h"
#include "operations/StatusFields.h"

namespace vantrel {

void ReadDllVersion(const OperationContext& ctx) {
    DllVersionBuffer version = {};
    RunOperation<Export::ReadDllVersion>(
        ctx, [&](auto readVersion) { return readVersion(version); },
        [&] { return std::vector<FieldText>{DllVersionField(version)}; });
}

void ReadDeviceInformation(const OperationContext& ctx) {
    uint32_t serialNumber = 0;
    FirmwareVersionBuffer firmwareVersion = {};
    DistributorNameBuffer distributorName = {};
    ModelNameBuffer modelName = {};
    RunOperation<Export::ReadDeviceInformation>(
        ctx,
        [&](auto readInformation, uint8_t port) {
            return readInformation(port, &serialNumber, firmwareVersion, distributorName,
                                   modelName);
        },
        [&] {
            return DeviceInformationFields(serialNumber, firmwareVersion, distributorName,
                                           modelName);
        });
}

void ReadGpsUtcTime(const OperationContext& ctx) {
    GpsUtcTime time = {};
    RunOperation<Export::ReadGpsUtcTimeDate>(
        ctx,
        [&](auto readTime) {
            return readTime(&time.hour, &time.minute, &time.second, &time.year, &time.month,
                            &time.day);
        },
        [&] { return std::vector<FieldText>{GpsUtcTimeField(time)}; });
}

void ReadMemoryUsedSize(const OperationContext& ctx) {
    int32_t usedSize = 0;
    RunOperation<Export::ReadMemoryUsedSize>(
        ctx, [&](auto readUsed) { return readUsed(&usedSize); },
        [&] { return MemorySizeFields(usedSize); });
}

}  // namespace vantrel
