#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>

#include "FakeWindow.h"
#include "operations/Operations.h"
#include "res/resource.h"

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
using Boxes = std::vector<std::string>;
using Fields = std::map<int, std::string>;

const Fields kSeeded = {
    {IDC_DLL_VERSION, "old"},      {IDC_SERIAL_NUMBER, "old"}, {IDC_FW_VERSION, "old"},
    {IDC_DISTRIBUTOR_NAME, "old"}, {IDC_MODEL_NAME, "old"},    {IDC_GPS_TIME, "old"},
    {IDC_MEMORY_USED, "old"},      {IDC_MEMORY_FREE, "old"},
};

const Fields kScriptedDeviceInformation = {
    {IDC_SERIAL_NUMBER, "( SerialNumber = 4294967295 )"},
    {IDC_FW_VERSION, "( FW Ver = 1.5 )"},
    {IDC_DISTRIBUTOR_NAME, "( Distributor Name = Dist )"},
    {IDC_MODEL_NAME, "( Model Name = ORLOG7 )"},
};
const Fields kScriptedTime = {{IDC_GPS_TIME, "( GPS UTC = 9:5:3  ,  25,12,7 )"}};
const Fields kScriptedMemory = {{IDC_MEMORY_USED, "( Memory Used Size = 1048576 Bytes )"},
                                {IDC_MEMORY_FREE, "( Free Memory Size = 2949120 Bytes )"}};

// For each code: the box (if any) and the fields written.
struct CodeCase {
    int32_t result;
    const char* box;  // null: no box
    Fields fields;
};

class StatusOperations : public ::testing::Test {
protected:
    void SetUp() override {
        script = StatusScript();
        rig.Entries().Set<Export::ReadDllVersion>(&FakeReadDllVersion);
        rig.Entries().Set<Export::ReadDeviceInformation>(&FakeReadDeviceInformation);
        rig.Entries().Set<Export::ReadGpsUtcTimeDate>(&FakeReadTime);
        rig.Entries().Set<Export::ReadMemoryUsedSize>(&FakeReadMemoryUsed);
    }
    // Runs `operation` on a window whose fields all read "old"; returns the
    // fields it changed.
    Fields Run(Operation operation, int32_t result) {
        rig.window.events.clear();
        rig.window.fields = kSeeded;
        script.result = result;
        operation(rig.Context());
        Fields changed;
        for (const auto& field : rig.window.fields) {
            if (field.second != "old") {
                changed.insert(field);
            }
        }
        return changed;
    }
    void ExpectCodes(Operation operation, const std::vector<CodeCase>& cases,
                     const Fields& unlistedFields);
    OperationRig rig;
};

// Every code from -1 to 60 and the extremes: listed ones as their case
// says, the rest as `unlistedFields` with no box.
void StatusOperations::ExpectCodes(Operation operation, const std::vector<CodeCase>& cases,
                                   const Fields& unlistedFields) {
    std::map<int32_t, const CodeCase*> listed;
    for (const CodeCase& c : cases) {
        listed[c.result] = &c;
    }
    for (int32_t code = -1; code <= 60; ++code) {
        listed.emplace(code, nullptr);
    }
    listed.emplace(INT32_MIN, nullptr);
    listed.emplace(INT32_MAX, nullptr);
    for (const auto& entry : listed) {
        const int32_t code = entry.first;
        const Boxes expectedBoxes =
            entry.second && entry.second->box ? Boxes{entry.second->box} : Boxes{};
        const Fields& expectedFields = entry.second ? entry.second->fields : unlistedFields;
        EXPECT_EQ(Run(operation, code), expectedFields) << "code " << code;
        EXPECT_EQ(rig.window.Boxes(), expectedBoxes) << "code " << code;
    }
}

TEST_F(StatusOperations, DllVersionCodes) {
    ExpectCodes(&ReadDllVersion,
                {{21,
                  "21 return_read_dll_version__successful",
                  {{IDC_DLL_VERSION, "( DLL Version = 2.1.0 )"}}}},
                {});
}

TEST_F(StatusOperations, DeviceInformationCodes) {
    ExpectCodes(&ReadDeviceInformation,
                {{26, "26 return_not_dump_mode", {}},
                 {27, "27 return_read_null_device_info", {}},
                 {28, "28 return_can_not_read_device_info", {}},
                 {29, "29 return_read_device_info_successful", kScriptedDeviceInformation}},
                kScriptedDeviceInformation);
}

TEST_F(StatusOperations, GpsUtcTimeCodes) {
    ExpectCodes(&ReadGpsUtcTime,
                {{26, "26 return_not_dump_mode", {}},
                 {38, "38 return_read_gps_utc_time_invalid", {}},
                 {39, "39 return_read_gps_utc_time_successful", kScriptedTime}},
                kScriptedTime);
}

TEST_F(StatusOperations, MemoryUsedCodes) {
    ExpectCodes(&ReadMemoryUsedSize,
                {{26, "26 return_not_dump_mode", {}},
                 {12, "12 return_device_not_report", {}},
                 {45, "45 return_read_memory_used_size_successful", kScriptedMemory}},
                kScriptedMemory);
}

Fields WithScriptedDeviceInformation() {
    Fields fields = kSeeded;
    for (const auto& field : kScriptedDeviceInformation) {
        fields[field.first] = field.second;
    }
    return fields;
}

// While the success box is open: the version, time and memory reads have not
// yet touched their fields; the device information already shows its four.
TEST_F(StatusOperations, OrderOfBoxAndFields) {
    struct Case {
        Operation operation;
        int32_t result;
        Fields duringBox;
        std::vector<int> writes;
    };
    const Case cases[] = {
        {&ReadDllVersion, 21, kSeeded, {IDC_DLL_VERSION}},
        {&ReadDeviceInformation,
         29,
         WithScriptedDeviceInformation(),
         {IDC_SERIAL_NUMBER, IDC_FW_VERSION, IDC_DISTRIBUTOR_NAME, IDC_MODEL_NAME}},
        {&ReadGpsUtcTime, 39, kSeeded, {IDC_GPS_TIME}},
        {&ReadMemoryUsedSize, 45, kSeeded, {IDC_MEMORY_USED, IDC_MEMORY_FREE}},
    };
    for (const Case& c : cases) {
        Fields duringBox;
        int boxes = 0;
        rig.window.onBox = [&](const WindowEvent&) {
            ++boxes;
            duringBox = rig.window.fields;
        };
        Run(c.operation, c.result);
        EXPECT_EQ(boxes, 1) << c.result;
        EXPECT_EQ(duringBox, c.duringBox) << c.result;
        EXPECT_EQ(rig.window.FieldWrites(), c.writes) << c.result;
    }
}

TEST_F(StatusOperations, MissingEntryPointAsksToLinkAndReadsNothing) {
    OperationRig empty;
    empty.window.fields = kSeeded;
    for (Operation operation :
         {&ReadDllVersion, &ReadDeviceInformation, &ReadGpsUtcTime, &ReadMemoryUsedSize}) {
        empty.window.events.clear();
        operation(empty.Context());
        EXPECT_EQ(empty.window.Boxes(), Boxes{"Please link library"});
        EXPECT_EQ(empty.window.PortReads(), 0);
        EXPECT_EQ(empty.window.fields, kSeeded);
    }
    EXPECT_EQ(script.calls, 0);
}

TEST_F(StatusOperations, OnlyDeviceInformationReadsThePort) {
    for (auto [selection, expected] : {std::pair<int, int>{5, 5}, {0, 0}, {-1, 255}}) {
        rig.window.portSelection = selection;
        Run(&ReadDeviceInformation, 29);
        EXPECT_EQ(script.lastPort, expected);
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
    EXPECT_EQ(Run(&ReadDllVersion, 21), (Fields{{IDC_DLL_VERSION, "( DLL Version =  )"}}));
    EXPECT_EQ(Run(&ReadDeviceInformation, 29),
              (Fields{{IDC_SERIAL_NUMBER, "( SerialNumber = 0 )"},
                      {IDC_FW_VERSION, "( FW Ver =  )"},
                      {IDC_DISTRIBUTOR_NAME, "( Distributor Name =  )"},
                      {IDC_MODEL_NAME, "( Model Name =  )"}}));
    EXPECT_EQ(Run(&ReadGpsUtcTime, 39), (Fields{{IDC_GPS_TIME, "( GPS UTC = 0:0:0  ,  0,0,0 )"}}));
    EXPECT_EQ(Run(&ReadMemoryUsedSize, 45),
              (Fields{{IDC_MEMORY_USED, "( Memory Used Size = 0 Bytes )"},
                      {IDC_MEMORY_FREE, "( Free Memory Size = 3997696 Bytes )"}}));
}

// Every text output filled to its last byte without a terminator (ASan sees
// any read past the handler's buffers).
TEST_F(StatusOperations, UnterminatedTextsShowOnlyTheirBuffers) {
    script.dllVersion = std::string(ORLOG7_DLL_VERSION_SIZE, 'V');
    script.firmwareVersion = std::string(ORLOG7_FW_VERSION_SIZE, 'F');
    script.distributorName = std::string(ORLOG7_DISTRIBUTOR_NAME_SIZE, 'D');
    script.modelName = std::string(ORLOG7_MODEL_NAME_SIZE, 'M');
    EXPECT_EQ(Run(&ReadDllVersion, 21)[IDC_DLL_VERSION],
              "( DLL Version = " + script.dllVersion + " )");
    Fields fields = Run(&ReadDeviceInformation, 29);
    EXPECT_EQ(fields[IDC_FW_VERSION], "( FW Ver = " + script.firmwareVersion + " )");
    EXPECT_EQ(fields[IDC_DISTRIBUTOR_NAME],
              "( Distributor Name = " + script.distributorName + " )");
    EXPECT_EQ(fields[IDC_MODEL_NAME], "( Model Name = " + script.modelName + " )");
}

TEST_F(StatusOperations, LibraryCallsRunUnderTheWaitCursor) {
    for (Operation operation :
         {&ReadDllVersion, &ReadDeviceInformation, &ReadGpsUtcTime, &ReadMemoryUsedSize}) {
        rig.window.busyCount = 0;
        Run(operation, 0);
        EXPECT_EQ(rig.window.busyCount, 1);
        EXPECT_EQ(rig.window.busyDepth, 0);
        for (const WindowEvent& e : rig.window.events) {
            EXPECT_FALSE(e.busy);
        }
    }
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
