#include "app/ReferenceReadouts.h"

#include <cstring>

#include "operations/SettingsFields.h"
#include "operations/SettingsValues.h"
#include "operations/StatusFields.h"

namespace vantrel {
namespace {

template <std::size_t N>
void Fill(char (&buffer)[N], const char* text) {
    std::memset(buffer, 0, N);
    std::strncpy(buffer, text, N - 1);
}

void Append(std::vector<FieldText>& to, const std::vector<FieldText>& fields) {
    to.insert(to.end(), fields.begin(), fields.end());
}

}  // namespace

std::vector<FieldText> ReferenceReadouts() {
    constexpr int32_t kLogCapacity = 3997696;
    DllVersionBuffer dllVersion;
    FirmwareVersionBuffer firmware;
    DistributorNameBuffer distributor;
    ModelNameBuffer model;
    BinFileVersionBuffer binFileVersion;
    Fill(dllVersion, "ORLOG7 Emu 1.0.0");
    Fill(firmware, "V1.00");
    Fill(distributor, "Vantrel Emulated Devices");
    Fill(model, "ORLOG7");
    Fill(binFileVersion, "V2.00");

    std::vector<FieldText> readouts = {DllVersionField(dllVersion),
                                       GpsUtcTimeField(GpsUtcTime{23, 59, 59, 99, 12, 28}),
                                       BinFileVersionField(binFileVersion), AutoScanPortField(99)};
    Append(readouts, DeviceInformationFields(4294967295u, firmware, distributor, model));
    Append(readouts, MemorySizeFields(kLogCapacity));  // the used size at its widest
    Append(readouts, MemorySizeFields(0));             // and the free size
    Append(readouts, SettingsFieldTexts(WrittenSettings()));
    return readouts;
}

}  // namespace vantrel
