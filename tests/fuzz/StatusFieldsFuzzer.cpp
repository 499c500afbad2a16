// Fuzzes the status and firmware readout texts with text buffers of their
// exact sizes, terminated or not, and arbitrary numbers; directly and through
// the buttons with a library that fills the caller's buffers to the last byte.
//
// Each buffer lives in a heap block of exactly its size, so AddressSanitizer
// reports any read past its end; a text must also hold no byte that is not in
// its buffer. Input layout (shorter inputs are padded with zeros):
//   0..19 DLL version, 20..27 firmware version, 28..59 distributor name,
//   60..91 model name, 92..155 bin file version, 156..159 serial number,
//   160..165 GPS time, 166..169 used memory, 170 result-code choice.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "FuzzSupport.h"
#include "operations/StatusFields.h"
#include "tests/common/ScriptedLibrary.h"

namespace vantrel {
namespace fuzz {
namespace {

using testing::AsEvents;

constexpr size_t kInputSize = 171;

// A copy of a fuzzed text buffer in a heap block of exactly N bytes.
template <size_t N>
struct ExactBuffer {
    std::unique_ptr<char[]> block;
    explicit ExactBuffer(const unsigned char* from) : block(new char[N]) {
        std::memcpy(block.get(), from, N);
    }
    const char (&Array() const)[N] { return *reinterpret_cast<const char(*)[N]>(block.get()); }
    // The text the buffer must show.
    std::string Shown() const { return testing::Shown(std::string(block.get(), N), N); }
};

// The field texts straight from the outputs, against the oracle's.
void CheckTexts(const FuzzInput& in) {
    const ExactBuffer<ORLOG7_DLL_VERSION_SIZE> dll(in.At(0));
    const ExactBuffer<ORLOG7_FW_VERSION_SIZE> firmware(in.At(20));
    const ExactBuffer<ORLOG7_DISTRIBUTOR_NAME_SIZE> distributor(in.At(28));
    const ExactBuffer<ORLOG7_MODEL_NAME_SIZE> model(in.At(60));
    const ExactBuffer<ORLOG7_BIN_FILE_VERSION_SIZE> binFile(in.At(92));
    const uint32_t serialNumber = in.Read<uint32_t>(156);
    const GpsUtcTime time = in.Read<GpsUtcTime>(160);
    const int32_t used = in.Read<int32_t>(166);

    FUZZ_REQUIRE(
        AsEvents({DllVersionField(dll.Array())}) == expected::DllVersionFields(dll.Shown()),
        "DLL version holds only its buffer's text");
    FUZZ_REQUIRE(AsEvents(DeviceInformationFields(serialNumber, firmware.Array(),
                                                  distributor.Array(), model.Array())) ==
                     expected::DeviceInformationFields(serialNumber, firmware.Shown(),
                                                       distributor.Shown(), model.Shown()),
                 "device information holds only its buffers' texts");
    FUZZ_REQUIRE(AsEvents({GpsUtcTimeField(time)}) ==
                     expected::GpsTimeFields(time.hour, time.minute, time.second, time.year,
                                             time.month, time.day),
                 "GPS time in decimal, day first");
    FUZZ_REQUIRE(AsEvents(MemorySizeFields(used)) == expected::MemoryFields(used),
                 "memory sizes in signed decimal");
    FUZZ_REQUIRE(AsEvents({BinFileVersionField(binFile.Array())}) ==
                     expected::BinFileVersionFields(binFile.Shown()),
                 "bin file version holds only its buffer's text");
}

// Every code the five buttons list, and a few they do not.
constexpr int32_t kResults[] = {21, 29, 39, 45, 37, 26,  27,  28,        38,       12,
                                5,  31, 36, 0,  -1, 255, 256, INT32_MIN, INT32_MAX};

// The five buttons with a library that fills every output to its last byte
// from the input: what each writes must be the texts of those outputs.
void CheckButtons(const FuzzInput& in) {
    testing::OperationRig rig;
    testing::LibraryScript& script = rig.Link();
    script.result = kResults[in[170] % (sizeof kResults / sizeof kResults[0])];
    script.dllVersion = in.Text(0, ORLOG7_DLL_VERSION_SIZE);
    script.firmwareVersion = in.Text(20, ORLOG7_FW_VERSION_SIZE);
    script.distributorName = in.Text(28, ORLOG7_DISTRIBUTOR_NAME_SIZE);
    script.modelName = in.Text(60, ORLOG7_MODEL_NAME_SIZE);
    script.binFileVersion = in.Text(92, ORLOG7_BIN_FILE_VERSION_SIZE);
    script.serialNumber = in.Read<uint32_t>(156);
    std::memcpy(script.time, in.At(160), sizeof script.time);
    script.usedSize = in.Read<int32_t>(166);
    const std::pair<int, testing::Handler> buttons[] = {
        {1006, &ReadDllVersion},     {1015, &ReadDeviceInformation},      {1024, &ReadGpsUtcTime},
        {1039, &ReadMemoryUsedSize}, {1019, &ReadBinFileFirmwareVersion},
    };
    for (const auto& [button, handler] : buttons) {
        rig.window.events.clear();
        handler(rig.Context());
        FUZZ_REQUIRE(rig.window.Boxes().size() <= 1, "at most one box");
        FUZZ_REQUIRE(rig.window.Sequence() == expected::EventsFor(expected::OperationOf(button),
                                                                  script.result,
                                                                  testing::ScriptedFields(button)),
                     "a button writes all its fields, with its outputs' texts");
    }
}

}  // namespace
}  // namespace fuzz
}  // namespace vantrel

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const vantrel::fuzz::FuzzInput in(data, size, vantrel::fuzz::kInputSize);
    vantrel::fuzz::CheckTexts(in);
    vantrel::fuzz::CheckButtons(in);
    return 0;
}
