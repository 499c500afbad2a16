// The four status readouts: library version, device information, GPS time
// and memory use.
//
// Every output is preset (texts all zero, numbers zero) so that one the
// library leaves unwritten shows as empty or 0, and every text is read only
// within its buffer.
#include "../res/resource.h"
#include "Operations.h"
#include "StatusFields.h"

namespace vantrel {
namespace {

constexpr int32_t kDllVersionCodes[] = {21};

// Failures stop before any field is written; the device information shows
// its success only after its fields, the others before theirs.
constexpr int32_t kDeviceInformationFailures[] = {26, 27, 28};
constexpr int32_t kDeviceInformationSuccess[] = {29};
constexpr int32_t kGpsUtcTimeFailures[] = {26, 38};
constexpr int32_t kGpsUtcTimeSuccess[] = {39};
constexpr int32_t kMemoryUsedFailures[] = {26, 12};
constexpr int32_t kMemoryUsedSuccess[] = {45};

}  // namespace

void ReadDllVersion(const OperationContext& ctx) {
    auto readVersion = RequireEntryPoint<Export::ReadDllVersion>(ctx);
    if (readVersion == nullptr) {
        return;
    }
    DllVersionBuffer version = {};
    const int32_t result = CallLibrary(ctx.window, [&] { return readVersion(version); });
    // Unlike the device reads, an unlisted code leaves the field alone.
    if (ShowListedResult(ctx.window, kDllVersionCodes, result)) {
        WriteFields(ctx.window, {DllVersionField(version)});
    }
}

void ReadDeviceInformation(const OperationContext& ctx) {
    auto readInformation = RequireEntryPoint<Export::ReadDeviceInformation>(ctx);
    if (readInformation == nullptr) {
        return;
    }
    const uint8_t port = ReadPortIndex(ctx.window);
    uint32_t serialNumber = 0;
    FirmwareVersionBuffer firmwareVersion = {};
    DistributorNameBuffer distributorName = {};
    ModelNameBuffer modelName = {};
    const int32_t result = CallLibrary(ctx.window, [&] {
        return readInformation(port, &serialNumber, firmwareVersion, distributorName, modelName);
    });
    if (ShowListedResult(ctx.window, kDeviceInformationFailures, result)) {
        return;
    }
    WriteFields(ctx.window,
                DeviceInformationFields(serialNumber, firmwareVersion, distributorName, modelName));
    ShowListedResult(ctx.window, kDeviceInformationSuccess, result);
}

void ReadGpsUtcTime(const OperationContext& ctx) {
    auto readTime = RequireEntryPoint<Export::ReadGpsUtcTimeDate>(ctx);
    if (readTime == nullptr) {
        return;
    }
    GpsUtcTime time = {};
    const int32_t result = CallLibrary(ctx.window, [&] {
        return readTime(&time.hour, &time.minute, &time.second, &time.year, &time.month, &time.day);
    });
    if (ShowListedResult(ctx.window, kGpsUtcTimeFailures, result)) {
        return;
    }
    ShowListedResult(ctx.window, kGpsUtcTimeSuccess, result);
    WriteFields(ctx.window, {GpsUtcTimeField(time)});
}

void ReadMemoryUsedSize(const OperationContext& ctx) {
    auto readUsed = RequireEntryPoint<Export::ReadMemoryUsedSize>(ctx);
    if (readUsed == nullptr) {
        return;
    }
    int32_t usedSize = 0;
    const int32_t result = CallLibrary(ctx.window, [&] { return readUsed(&usedSize); });
    if (ShowListedResult(ctx.window, kMemoryUsedFailures, result)) {
        return;
    }
    ShowListedResult(ctx.window, kMemoryUsedSuccess, result);
    WriteFields(ctx.window, MemorySizeFields(usedSize));
}

}  // namespace vantrel
