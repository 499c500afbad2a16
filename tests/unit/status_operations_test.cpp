#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "FakeWindow.h"
#include "tests/common/ExpectedFieldTexts.h"

namespace vantrel {
namespace testing {
namespace {

// What the scripted library answers, and what it was called with.
struct StatusScript {
    int32_t result = 0;
    bool writesOutputs = true;
    std::string dllVersion = "2.1.0";
    uint32_t serialNumber = 4294967295u;
    std::string firmwareVersion = "1.5";
    std::string distributorName = "Dist";
    std::string modelName = "ORLOG7";
    uint8_t time[6] = {9, 5, 3, 7, 12, 25};  // hour, minute, second, year, month, day
    int32_t usedSize = 1048576;
    int calls = 0;
    int lastPort = -1;
};
StatusScript script;

// Copies as much of `text` as fits; a text as long as the buffer gets no
// terminator.
void Fill(char* buffer, std::size_t size, const std::string& text) {
    std::memcpy(buffer, text.data(), std::min(size, text.size()));
    if (text.size() < size) {
        buffer[text.size()] = '\0';
    }
}

Orlog7Result ORLOG7_CALL FakeReadDllVersion(char* version) {
    ++script.calls;
    if (script.writesOutputs) {
        Fill(version, ORLOG7_DLL_VERSION_SIZE, script.dllVersion);
    }
    return script.result;
}
Orlog7Result ORLOG7_CALL FakeReadDeviceInformation(Orlog7Port port, uint32_t* serial, char* fw,
                                                   char* distributor, char* model) {
    ++script.calls;
    script.lastPort = port;
    if (script.writesOutputs) {
        *serial = script.serialNumber;
        Fill(fw, ORLOG7_FW_VERSION_SIZE, script.firmwareVersion);
        Fill(distributor, ORLOG7_DISTRIBUTOR_NAME_SIZE, script.distributorName);
        Fill(model, ORLOG7_MODEL_NAME_SIZE, script.modelName);
    }
    return script.result;
}
Orlog7Result ORLOG7_CALL FakeReadTime(uint8_t* hour, uint8_t* minute, uint8_t* second,
                                      uint8_t* year, uint8_t* month, uint8_t* day) {
    ++script.calls;
    if (script.writesOutputs) {
        uint8_t* out[] = {hour, minute, second, year, month, day};
        for (int i = 0; i < 6; ++i) {
            *out[i] = script.time[i];
        }
    }
    return script.result;
}
Orlog7Result ORLOG7_CALL FakeReadMemoryUsed(int32_t* used) {
    ++script.calls;
    if (script.writesOutputs) {
        *used = script.usedSize;
    }
    return script.result;
}

using Operation = void (*)(const OperationContext&);
using expected::Events;

// What the default script's outputs must show.
Events ScriptedDllVersion() {
    return expected::DllVersionFields(script.dllVersion);
}
Events ScriptedDeviceInformation() {
    return expected::DeviceInformationFields(script.serialNumber, script.firmwareVersion,
                                             script.distributorName, script.modelName);
}
Events ScriptedTime() {
    const uint8_t* t = script.time;
    return expected::GpsTimeFields(t[0], t[1], t[2], t[3], t[4], t[5]);
}
Events ScriptedMemory() {
    return expected::MemoryFields(script.usedSize);
}

// What a click with the success code must do, given the fields.
Events OnSuccess(int button, const Events& fields) {
    const expected::Operation& op = expected::OperationOf(button);
    return expected::EventsFor(op, op.success, fields);
}

class StatusOperations : public ::testing::Test {
protected:
    void SetUp() override {
        script = StatusScript();
        rig.Entries().Set<Export::ReadDllVersion>(&FakeReadDllVersion);
        rig.Entries().Set<Export::ReadDeviceInformation>(&FakeReadDeviceInformation);
        rig.Entries().Set<Export::ReadGpsUtcTimeDate>(&FakeReadTime);
        rig.Entries().Set<Export::ReadMemoryUsedSize>(&FakeReadMemoryUsed);
    }
    // One click with `result`: the field writes and boxes it made.
    Events Run(Operation operation, int32_t result) {
        rig.window.events.clear();
        script.result = result;
        operation(rig.Context());
        return rig.window.Sequence();
    }
    OperationRig rig;
};

// Every code: the listed ones as the oracle says, with the fields before or
// after the box; the rest with or without the fields, never a box.
TEST_F(StatusOperations, EveryCodeOfEveryReadout) {
    ExpectEveryCode(rig, 1006, &ReadDllVersion, script.result, ScriptedDllVersion());
    ExpectEveryCode(rig, 1015, &ReadDeviceInformation, script.result, ScriptedDeviceInformation());
    ExpectEveryCode(rig, 1024, &ReadGpsUtcTime, script.result, ScriptedTime());
    ExpectEveryCode(rig, 1039, &ReadMemoryUsedSize, script.result, ScriptedMemory());
}

TEST_F(StatusOperations, MissingEntryPointAsksToLink) {
    for (Operation operation :
         {&ReadDllVersion, &ReadDeviceInformation, &ReadGpsUtcTime, &ReadMemoryUsedSize}) {
        ExpectAsksToLink(operation);
    }
    EXPECT_EQ(script.calls, 0);
}

TEST_F(StatusOperations, OnlyDeviceInformationReadsThePort) {
    for (auto [selection, port] : {std::pair<int, int>{5, 5}, {0, 0}, {-1, 255}}) {
        rig.window.portSelection = selection;
        Run(&ReadDeviceInformation, 29);
        EXPECT_EQ(script.lastPort, port);
        EXPECT_EQ(rig.window.PortReads(), 1);
    }
    for (Operation operation : {&ReadDllVersion, &ReadGpsUtcTime, &ReadMemoryUsedSize}) {
        Run(operation, 0);
        EXPECT_EQ(rig.window.PortReads(), 0);
    }
}

// A library that writes nothing: the preset outputs show as empty and 0.
TEST_F(StatusOperations, UnwrittenOutputsShowEmptyAndZero) {
    script.writesOutputs = false;
    EXPECT_EQ(Run(&ReadDllVersion, 21), OnSuccess(1006, expected::DllVersionFields("")));
    EXPECT_EQ(Run(&ReadDeviceInformation, 29),
              OnSuccess(1015, expected::DeviceInformationFields(0, "", "", "")));
    EXPECT_EQ(Run(&ReadGpsUtcTime, 39), OnSuccess(1024, expected::GpsTimeFields(0, 0, 0, 0, 0, 0)));
    EXPECT_EQ(Run(&ReadMemoryUsedSize, 45), OnSuccess(1039, expected::MemoryFields(0)));
}

// Every text output filled to its last byte without a terminator (ASan sees
// any read past the handler's buffers).
TEST_F(StatusOperations, UnterminatedTextsShowOnlyTheirBuffers) {
    script.dllVersion = std::string(ORLOG7_DLL_VERSION_SIZE, 'V');
    script.firmwareVersion = std::string(ORLOG7_FW_VERSION_SIZE, 'F');
    script.distributorName = std::string(ORLOG7_DISTRIBUTOR_NAME_SIZE, 'D');
    script.modelName = std::string(ORLOG7_MODEL_NAME_SIZE, 'M');
    EXPECT_EQ(Run(&ReadDllVersion, 21), OnSuccess(1006, ScriptedDllVersion()));
    EXPECT_EQ(Run(&ReadDeviceInformation, 29), OnSuccess(1015, ScriptedDeviceInformation()));
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
