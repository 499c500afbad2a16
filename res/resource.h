// Resource and control identifiers of Vantrel. Plain defines, so that the
// resource compiler and the platform-neutral operations share them.
#ifndef VANTREL_RES_RESOURCE_H
#define VANTREL_RES_RESOURCE_H

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_VANTREL_DIALOG 102
#define IDR_MAINFRAME 128
#define IDM_ABOUTBOX 0x0010

// The main window's dialog class (CLASS in its template), which carries the
// program's icon.
#define VANTREL_WINDOW_CLASS "VantrelWindow"

// Main window: buttons.
#define IDC_LINK_LIBRARY 1001
#define IDC_DUMP_LOG 1002
#define IDC_ERASE_ALL 1003
#define IDC_SETTING_DEVICE 1004
#define IDC_READ_DLL_VERSION 1006
#define IDC_READ_SETTING_VALUE 1007
#define IDC_INTO_DUMP_MODE 1013
#define IDC_EXIT_DUMP_MODE 1014
#define IDC_READ_DEVICE_INFORMATION 1015
#define IDC_UPGRADE_FIRMWARE 1018
#define IDC_READ_BIN_FILE_VERSION 1019
#define IDC_AUTO_INTO_DUMP_MODE 1022
#define IDC_READ_GPS_TIME 1024
#define IDC_SETTING_SN 1027
#define IDC_READ_MEMORY_USED 1039

// Main window: inputs.
#define IDC_PORT_SELECTOR 1005
#define IDC_SERIAL_NUMBER_INPUT 1026

// Main window: output fields.
#define IDC_READ_TIME_INTERVAL 1008
#define IDC_READ_DISPLACEMENT_INTERVAL 1009
#define IDC_READ_VIBRATION 1010
#define IDC_READ_TAG 1011
#define IDC_DLL_VERSION 1012
#define IDC_FW_VERSION 1016
#define IDC_SERIAL_NUMBER 1017
#define IDC_BIN_FILE_VERSION 1020
#define IDC_READ_MIN_SPEED_LIMIT 1021
#define IDC_AUTO_SCAN_PORT 1023
#define IDC_GPS_TIME 1025
#define IDC_USER_POINT_0 1028 /* slots 0..9 are 1028..1037 */
#define IDC_READ_IDLE_TIMER 1038
#define IDC_MEMORY_USED 1040
#define IDC_MEMORY_FREE 1041
#define IDC_READ_TAG_MODE 1042
#define IDC_DISTRIBUTOR_NAME 1043
#define IDC_READ_TIME_ZONE 1044
#define IDC_READ_CAR_SPEED_LIMIT 1045
#define IDC_MODEL_NAME 1046

#endif
