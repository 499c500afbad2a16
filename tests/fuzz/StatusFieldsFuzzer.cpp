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
#include <cinttypes>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "operations/LibraryText.h"
#include "operations/Operations.h"
#include "operations/StatusFields.h"
#include "res/resource.h"

namespace vantrel {
namespace fuzz {
namespace {

constexpr size_t kInputSize = 171;

struct Raw {
    unsigned char bytes[kInputSize];
    template <typename T>
    T At(size_t offset) const {
        T value;
        std::memcpy(&value, bytes + offset, sizeof value);
        return value;
    }
};

// A copy of a fuzzed text buffer in a heap block of exactly N bytes.
template <size_t N>
struct ExactBuffer {
    std::unique_ptr<char[]> block;
    explicit ExactBuffer(const unsigned char* from) : block(new char[N]) {
        std::memcpy(block.get(), from, N);
    }
    const char (&Array() const)[N] { return *reinterpret_cast<const char(*)[N]>(block.get()); }
    // The bytes a text may show (up to the first zero, or all N), decoded.
    std::string Text() const {
        return SystemCodePageToUtf8(std::string(block.get(), strnlen(block.get(), N)));
    }
};

std::string Framed(const char* before, const std::string& value, const char* after) {
    return before + value + after;
}

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char text[128];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

// Capacity minus used, wrapped to 32-bit two's complement, in 64 bits.
int32_t ExpectedFree(int32_t used) {
    int64_t free = int64_t{ORLOG7_LOG_MEMORY_CAPACITY} - used;
    if (free > INT32_MAX) {
        free -= int64_t{1} << 32;
    }
    return static_cast<int32_t>(free);
}

struct Expected {
    std::vector<FieldText> dllVersion, deviceInformation, gpsTime, memory, binFileVersion;
};

Expected CheckTexts(const Raw& raw) {
    const ExactBuffer<ORLOG7_DLL_VERSION_SIZE> dll(raw.bytes + 0);
    const ExactBuffer<ORLOG7_FW_VERSION_SIZE> firmware(raw.bytes + 20);
    const ExactBuffer<ORLOG7_DISTRIBUTOR_NAME_SIZE> distributor(raw.bytes + 28);
    const ExactBuffer<ORLOG7_MODEL_NAME_SIZE> model(raw.bytes + 60);
    const ExactBuffer<ORLOG7_BIN_FILE_VERSION_SIZE> binFile(raw.bytes + 92);
    const uint32_t serialNumber = raw.At<uint32_t>(156);
    GpsUtcTime time;
    std::memcpy(&time, raw.bytes + 160, sizeof time);
    const int32_t used = raw.At<int32_t>(166);

    Expected out;
    out.dllVersion = {DllVersionField(dll.Array())};
    FUZZ_REQUIRE(out.dllVersion[0].controlId == IDC_DLL_VERSION &&
                     out.dllVersion[0].text == Framed("( DLL Version = ", dll.Text(), " )"),
                 "DLL version holds only its buffer's text");

    out.deviceInformation =
        DeviceInformationFields(serialNumber, firmware.Array(), distributor.Array(), model.Array());
    const std::vector<FieldText> information = {
        {IDC_SERIAL_NUMBER, Format("( SerialNumber = %" PRIu32 " )", serialNumber)},
        {IDC_FW_VERSION, Framed("( FW Ver = ", firmware.Text(), " )")},
        {IDC_DISTRIBUTOR_NAME, Framed("( Distributor Name = ", distributor.Text(), " )")},
        {IDC_MODEL_NAME, Framed("( Model Name = ", model.Text(), " )")},
    };
    FUZZ_REQUIRE(out.deviceInformation == information,
                 "device information holds only its buffers' texts");

    out.gpsTime = {GpsUtcTimeField(time)};
    const FieldText gps = {IDC_GPS_TIME,
                           Format("( GPS UTC = %u:%u:%u  ,  %u,%u,%u )", time.hour, time.minute,
                                  time.second, time.day, time.month, time.year)};
    FUZZ_REQUIRE(out.gpsTime[0] == gps, "GPS time in decimal, day first");

    out.memory = MemorySizeFields(used);
    const std::vector<FieldText> memory = {
        {IDC_MEMORY_USED, Format("( Memory Used Size = %" PRId32 " Bytes )", used)},
        {IDC_MEMORY_FREE, Format("( Free Memory Size = %" PRId32 " Bytes )", ExpectedFree(used))},
    };
    FUZZ_REQUIRE(out.memory == memory, "memory sizes in signed decimal");

    out.binFileVersion = {BinFileVersionField(binFile.Array())};
    FUZZ_REQUIRE(
        out.binFileVersion[0].controlId == IDC_BIN_FILE_VERSION &&
            out.binFileVersion[0].text == Framed("( Bin File FW Version = ", binFile.Text(), " )"),
        "bin file version holds only its buffer's text");
    return out;
}

// The library stand-in: every export fills each output to its last byte from
// the input and returns the chosen code.
const Raw* gRaw = nullptr;
int32_t gResult = 0;

Orlog7Result ORLOG7_CALL FillDllVersion(char* version) {
    std::memcpy(version, gRaw->bytes + 0, ORLOG7_DLL_VERSION_SIZE);
    return gResult;
}
Orlog7Result ORLOG7_CALL FillDeviceInformation(Orlog7Port, uint32_t* serialNumber,
                                               char* firmwareVersion, char* distributorName,
                                               char* modelName) {
    std::memcpy(firmwareVersion, gRaw->bytes + 20, ORLOG7_FW_VERSION_SIZE);
    std::memcpy(distributorName, gRaw->bytes + 28, ORLOG7_DISTRIBUTOR_NAME_SIZE);
    std::memcpy(modelName, gRaw->bytes + 60, ORLOG7_MODEL_NAME_SIZE);
    std::memcpy(serialNumber, gRaw->bytes + 156, 4);
    return gResult;
}
Orlog7Result ORLOG7_CALL FillBinFileVersion(char* version, const char*) {
    std::memcpy(version, gRaw->bytes + 92, ORLOG7_BIN_FILE_VERSION_SIZE);
    return gResult;
}
Orlog7Result ORLOG7_CALL FillGpsTime(uint8_t* hour, uint8_t* minute, uint8_t* second, uint8_t* year,
                                     uint8_t* month, uint8_t* day) {
    uint8_t* outputs[] = {hour, minute, second, year, month, day};
    for (size_t i = 0; i < 6; ++i) {
        *outputs[i] = gRaw->bytes[160 + i];
    }
    return gResult;
}
Orlog7Result ORLOG7_CALL FillMemoryUsed(int32_t* usedSize) {
    std::memcpy(usedSize, gRaw->bytes + 166, 4);
    return gResult;
}

// Every code the five buttons list, and a few they do not.
constexpr int32_t kResults[] = {21, 29, 39, 45, 37, 26,  27,  28,        38,       12,
                                5,  31, 36, 0,  -1, 255, 256, INT32_MIN, INT32_MAX};

// Whatever a button writes must be the texts made from the same outputs.
void CheckButton(void (*button)(const OperationContext&), const std::vector<FieldText>& texts,
                 LibraryBinding& library) {
    RecordingWindow window;
    button(OperationContext{window, library});
    FUZZ_REQUIRE(window.boxes.size() <= 1, "at most one box");
    if (window.fields.empty()) {
        return;
    }
    FUZZ_REQUIRE(window.fields == texts, "a button writes all its fields, with its outputs' texts");
}

}  // namespace
}  // namespace fuzz
}  // namespace vantrel

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel;
    using namespace vantrel::fuzz;
    Raw raw{};
    std::memcpy(raw.bytes, data, size < kInputSize ? size : kInputSize);
    const Expected expected = CheckTexts(raw);

    gRaw = &raw;
    gResult = kResults[raw.bytes[170] % (sizeof kResults / sizeof kResults[0])];
    NoModuleLoader loader;
    LibraryBinding library(loader);
    EntryPointTable& entries = library.Entries();
    entries.Set<Export::ReadDllVersion>(&FillDllVersion);
    entries.Set<Export::ReadDeviceInformation>(&FillDeviceInformation);
    entries.Set<Export::ReadGpsUtcTimeDate>(&FillGpsTime);
    entries.Set<Export::ReadMemoryUsedSize>(&FillMemoryUsed);
    entries.Set<Export::ReadBinFileFwVersion>(&FillBinFileVersion);
    CheckButton(&ReadDllVersion, expected.dllVersion, library);
    CheckButton(&ReadDeviceInformation, expected.deviceInformation, library);
    CheckButton(&ReadGpsUtcTime, expected.gpsTime, library);
    CheckButton(&ReadMemoryUsedSize, expected.memory, library);
    CheckButton(&ReadBinFileFirmwareVersion, expected.binFileVersion, library);
    return 0;
}
