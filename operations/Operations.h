// One handler per button of the main window. Each follows the shared steps
// of OperationSteps.h around one export of the device library.
#ifndef VANTREL_OPERATIONS_OPERATIONS_H
#define VANTREL_OPERATIONS_OPERATIONS_H

#include <cstdint>

#include "operations/OperationSteps.h"

namespace vantrel {

// Button 1001: load the library and fill the entry-point table.
void LinkDeviceLibrary(const OperationContext& ctx);

// DumpModeOperations.cpp
void IntoDumpMode(const OperationContext& ctx);      // 1013
void AutoIntoDumpMode(const OperationContext& ctx);  // 1022
void ExitDumpMode(const OperationContext& ctx);      // 1014
void DumpLogData(const OperationContext& ctx);       // 1002
void EraseAllData(const OperationContext& ctx);      // 1003

// SettingsWrite.cpp, SettingsReadback.cpp
void WriteDeviceSettings(const OperationContext& ctx);  // 1004
void ReadSettingValues(const OperationContext& ctx);    // 1007

// StatusOperations.cpp
void ReadDllVersion(const OperationContext& ctx);         // 1006
void ReadDeviceInformation(const OperationContext& ctx);  // 1015
void ReadGpsUtcTime(const OperationContext& ctx);         // 1024
void ReadMemoryUsedSize(const OperationContext& ctx);     // 1039

// FirmwareOperations.cpp
void ReadBinFileFirmwareVersion(const OperationContext& ctx);  // 1019
void UpgradeFirmware(const OperationContext& ctx);             // 1018

// SerialNumberOperation.cpp
void SetSerialNumber(const OperationContext& ctx);  // 1027

}  // namespace vantrel

#endif
