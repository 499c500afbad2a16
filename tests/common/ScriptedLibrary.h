// The device library of the host tests and fuzzers: all fourteen exports,
// answering from one script and recording every call. Like a loaded library
// there is one per process; OperationRig::Link() starts it afresh.
#ifndef VANTREL_TESTS_COMMON_SCRIPTEDLIBRARY_H
#define VANTREL_TESTS_COMMON_SCRIPTEDLIBRARY_H

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "devicelib/LibraryBinding.h"
#include "operations/LibraryText.h"
#include "operations/Operations.h"
#include "operations/SettingsValues.h"
#include "tests/common/ExpectedFieldTexts.h"
#include "tests/common/ExpectedSettingsTexts.h"
#include "tests/common/FakeWindow.h"

namespace vantrel {
namespace testing {

// What every export answers: one code, and the outputs it writes.
struct LibraryScript {
    int32_t result = 0;
    bool writesOutputs = true;  // false: every output keeps what the tool preset
    // Text outputs: these bytes, cut to the buffer; no zero is added.
    std::string dllVersion = "2.1.0";
    std::string firmwareVersion = "1.5";
    std::string distributorName = "Dist";
    std::string modelName = "ORLOG7";
    std::string binFileVersion = "V2.05";
    uint32_t serialNumber = 4294967295u;
    uint8_t time[6] = {9, 5, 3, 7, 12, 25};  // hour, minute, second, year, month, day
    int32_t usedSize = 1048576;
    int32_t scannedPort = 0;
    expected::Settings settings = expected::WrittenSettings();  // what the readback delivers
    // What the readback puts above the value, the lowest-addressed byte, of
    // each four-byte output; the tool must not read it.
    uint8_t aboveFourByteValues[3] = {0, 0, 0};
};

// One call of an export, with what it was given.
struct LibraryCall {
    Export which = Export::DumpDb;
    int port = -1;                // -1: the export takes none
    std::string path;             // the dump file, wave-file folder or firmware image
    uint32_t serialNumber = 0;    // Setting_SN's argument
    expected::Settings settings;  // what the settings write sent
    bool busy = false;            // the wait cursor was up
    bool portReadLast = false;    // the window's last event was a port read
    bool outputsZeroed = true;    // every output arrived zeroed
};

struct ScriptedLibrary {
    LibraryScript script;
    std::vector<LibraryCall> calls;
    const FakeWindow* window = nullptr;
};

inline ScriptedLibrary& Scripted() {
    static ScriptedLibrary library;
    return library;
}
inline LibraryScript& Script() {
    return Scripted().script;
}
inline const std::vector<LibraryCall>& Calls() {
    return Scripted().calls;
}

namespace scripted {

inline LibraryCall& Called(Export which, int port = -1) {
    LibraryCall call;
    call.which = which;
    call.port = port;
    if (const FakeWindow* window = Scripted().window) {
        call.busy = window->busyDepth > 0;
        call.portReadLast =
            !window->events.empty() && window->events.back().kind == WindowEvent::PortRead;
    }
    Scripted().calls.push_back(call);
    return Scripted().calls.back();
}

inline bool Zeroed(const void* output, std::size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(output);
    return std::all_of(bytes, bytes + size, [](uint8_t b) { return b == 0; });
}

inline void WriteText(char* buffer, std::size_t size, const std::string& text) {
    std::memcpy(buffer, text.data(), std::min(size, text.size()));
}

inline void WriteFourBytes(uint32_t* storage, uint8_t value) {
    const uint8_t* above = Script().aboveFourByteValues;
    const uint8_t bytes[4] = {value, above[0], above[1], above[2]};
    std::memcpy(storage, bytes, 4);
}

// The exports, named as the entry-point table's enumerators.
inline Orlog7Result ORLOG7_CALL DumpDb(Orlog7Port port, const char* dumpFilePath) {
    Called(Export::DumpDb, port).path = dumpFilePath;
    return Script().result;
}
inline Orlog7Result ORLOG7_CALL EraseAllDb(Orlog7Port port) {
    Called(Export::EraseAllDb, port);
    return Script().result;
}
inline Orlog7Result ORLOG7_CALL SettingDevice(Orlog7Port port, int32_t timeInterval,
                                              int32_t displacementInterval, uint8_t vibration,
                                              uint8_t tag, const char* waveFilePath,
                                              uint8_t minSpeedLimit, const UserPoint* userPoints,
                                              uint8_t intoIdleTimer, uint8_t tagMode,
                                              int8_t timeZone, uint8_t carSpeedLimit) {
    LibraryCall& call = Called(Export::SettingDevice, port);
    call.path = waveFilePath;
    DeviceSettings sent = {timeInterval, displacementInterval, vibration, tag,      minSpeedLimit,
                           {},           intoIdleTimer,        tagMode,   timeZone, carSpeedLimit};
    std::memcpy(sent.userPoints.data(), userPoints, sizeof sent.userPoints);
    call.settings = expected::SettingsAs<expected::Settings>(sent);
    return Script().result;
}
inline Orlog7Result ORLOG7_CALL ReadDllVersion(char* version) {
    Called(Export::ReadDllVersion).outputsZeroed = Zeroed(version, ORLOG7_DLL_VERSION_SIZE);
    if (Script().writesOutputs) {
        WriteText(version, ORLOG7_DLL_VERSION_SIZE, Script().dllVersion);
    }
    return Script().result;
}
inline Orlog7Result ORLOG7_CALL ReadSettingValue(Orlog7Port port, int32_t* timeInterval,
                                                 int32_t* displacementInterval, uint8_t* vibration,
                                                 uint8_t* tag, uint32_t* minSpeedLimit,
                                                 UserPoint* userPoints, uint32_t* intoIdleTimer,
                                                 uint8_t* tagMode, int8_t* timeZone,
                                                 uint32_t* carSpeedLimit) {
    Called(Export::ReadSettingValue, port).outputsZeroed =
        Zeroed(timeInterval, 4) && Zeroed(displacementInterval, 4) && Zeroed(vibration, 1) &&
        Zeroed(tag, 1) && Zeroed(minSpeedLimit, 4) && Zeroed(userPoints, 160) &&
        Zeroed(intoIdleTimer, 4) && Zeroed(tagMode, 1) && Zeroed(timeZone, 1) &&
        Zeroed(carSpeedLimit, 4);
    if (Script().writesOutputs) {
        const expected::Settings& v = Script().settings;
        *timeInterval = v.timeInterval;
        *displacementInterval = v.displacementInterval;
        *vibration = v.vibration;
        *tag = v.tag;
        WriteFourBytes(minSpeedLimit, v.minSpeedLimit);
        std::memcpy(userPoints, v.userPoints.data(), 160);
        WriteFourBytes(intoIdleTimer, v.intoIdleTimer);
        *tagMode = v.tagMode;
        *timeZone = v.timeZone;
        WriteFourBytes(carSpeedLimit, v.carSpeedLimit);
    }
    return Script().result;
}
inline Orlog7Result ORLOG7_CALL IntoDumpMode(Orlog7Port port) {
    Called(Export::IntoDumpMode, port);
    return Script().result;
}
inline Orlog7Result ORLOG7_CALL ExitDumpMode() {
    Called(Export::ExitDumpMode);
    return Script().result;
}
inline Orlog7Result ORLOG7_CALL ReadDeviceInformation(Orlog7Port port, uint32_t* serialNumber,
                                                      char* firmwareVersion, char* distributorName,
                                                      char* modelName) {
    Called(Export::ReadDeviceInformation, port).outputsZeroed =
        Zeroed(serialNumber, 4) && Zeroed(firmwareVersion, ORLOG7_FW_VERSION_SIZE) &&
        Zeroed(distributorName, ORLOG7_DISTRIBUTOR_NAME_SIZE) &&
        Zeroed(modelName, ORLOG7_MODEL_NAME_SIZE);
    if (Script().writesOutputs) {
        *serialNumber = Script().serialNumber;
        WriteText(firmwareVersion, ORLOG7_FW_VERSION_SIZE, Script().firmwareVersion);
        WriteText(distributorName, ORLOG7_DISTRIBUTOR_NAME_SIZE, Script().distributorName);
        WriteText(modelName, ORLOG7_MODEL_NAME_SIZE, Script().modelName);
    }
    return Script().result;
}
inline Orlog7Result ORLOG7_CALL FwUpgrade(Orlog7Port port, const char* imagePath) {
    Called(Export::FwUpgrade, port).path = imagePath;
    return Script().result;
}
inline Orlog7Result ORLOG7_CALL ReadBinFileFwVersion(char* version, const char* imagePath) {
    LibraryCall& call = Called(Export::ReadBinFileFwVersion);
    call.path = imagePath;
    call.outputsZeroed = Zeroed(version, ORLOG7_BIN_FILE_VERSION_SIZE);
    if (Script().writesOutputs) {
        WriteText(version, ORLOG7_BIN_FILE_VERSION_SIZE, Script().binFileVersion);
    }
    return Script().result;
}
inline Orlog7Result ORLOG7_CALL AutoIntoDumpMode(int32_t* scannedPort) {
    Called(Export::AutoIntoDumpMode).outputsZeroed = Zeroed(scannedPort, 4);
    if (Script().writesOutputs) {
        *scannedPort = Script().scannedPort;
    }
    return Script().result;
}
inline Orlog7Result ORLOG7_CALL ReadGpsUtcTimeDate(uint8_t* hour, uint8_t* minute, uint8_t* second,
                                                   uint8_t* year, uint8_t* month, uint8_t* day) {
    uint8_t* outputs[] = {hour, minute, second, year, month, day};
    LibraryCall& call = Called(Export::ReadGpsUtcTimeDate);
    for (int i = 0; i < 6; ++i) {
        call.outputsZeroed = call.outputsZeroed && *outputs[i] == 0;
        if (Script().writesOutputs) {
            *outputs[i] = Script().time[i];
        }
    }
    return Script().result;
}
inline Orlog7Result ORLOG7_CALL SettingSn(uint32_t serialNumber) {
    Called(Export::SettingSn).serialNumber = serialNumber;
    return Script().result;
}
inline Orlog7Result ORLOG7_CALL ReadMemoryUsedSize(int32_t* usedSize) {
    Called(Export::ReadMemoryUsedSize).outputsZeroed = Zeroed(usedSize, 4);
    if (Script().writesOutputs) {
        *usedSize = Script().usedSize;
    }
    return Script().result;
}

}  // namespace scripted

// A script whose library writes no output: the tool's presets show.
inline LibraryScript NothingWritten() {
    LibraryScript none;
    none.writesOutputs = false;
    none.dllVersion = none.firmwareVersion = none.distributorName = none.modelName =
        none.binFileVersion = "";
    none.serialNumber = 0;
    std::fill(std::begin(none.time), std::end(none.time), 0);
    none.usedSize = 0;
    none.settings = expected::Settings();
    return none;
}

// A text output as the window must show it: what the library wrote into the
// zeroed buffer of `size` bytes, up to the first zero, decoded.
inline std::string Shown(const std::string& text, std::size_t size) {
    return SystemCodePageToUtf8(expected::BufferText(text.substr(0, size)));
}

// The fields `button` writes, when it writes them, from the script's outputs.
inline expected::Events ScriptedFields(int button) {
    const LibraryScript& s = Script().writesOutputs ? Script() : NothingWritten();
    switch (button) {
    case 1006:
        return expected::DllVersionFields(Shown(s.dllVersion, ORLOG7_DLL_VERSION_SIZE));
    case 1007:
        return expected::ReadbackFields(s.settings);
    case 1015:
        return expected::DeviceInformationFields(
            s.serialNumber, Shown(s.firmwareVersion, ORLOG7_FW_VERSION_SIZE),
            Shown(s.distributorName, ORLOG7_DISTRIBUTOR_NAME_SIZE),
            Shown(s.modelName, ORLOG7_MODEL_NAME_SIZE));
    case 1019:
        return expected::BinFileVersionFields(
            Shown(s.binFileVersion, ORLOG7_BIN_FILE_VERSION_SIZE));
    case 1022:
        return expected::ScanFields(s.scannedPort);
    case 1024:
        return expected::GpsTimeFields(s.time[0], s.time[1], s.time[2], s.time[3], s.time[4],
                                       s.time[5]);
    case 1039:
        return expected::MemoryFields(s.usedSize);
    default:
        return {};
    }
}

// A loader that never finds a library; the tests fill the table themselves.
class NoModuleLoader final : public ModuleLoader {
public:
    ModuleHandle Load(const char*) override { return nullptr; }
    AnyFunction Lookup(ModuleHandle, const char*) override { return nullptr; }
    void Release(ModuleHandle) override {}
};

// The window, a binding whose table starts empty, and the context joining them.
struct OperationRig {
    FakeWindow window;
    NoModuleLoader loader;
    LibraryBinding library{loader};

    OperationContext Context() { return OperationContext{window, library}; }
    EntryPointTable& Entries() { return library.Entries(); }

    // Puts the scripted library into every slot, with a fresh script and no
    // calls, and returns the script.
    LibraryScript& Link() {
        Scripted() = ScriptedLibrary();
        Scripted().window = &window;
#define VANTREL_SCRIPTED_SLOT(name, symbol) Entries().Set<Export::name>(&scripted::name);
        VANTREL_DEVICE_EXPORTS(VANTREL_SCRIPTED_SLOT)
#undef VANTREL_SCRIPTED_SLOT
        return Script();
    }
};

using Handler = void (*)(const OperationContext&);

}  // namespace testing
}  // namespace vantrel

#endif
