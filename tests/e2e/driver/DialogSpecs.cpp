#include "DialogSpecs.h"

namespace e2e {
namespace {

constexpr DWORD kGroup = WS_GROUP;

// In tab order. Labels start a group; buttons are visible tab stops.
const ControlSpec kMainWindow[] = {
    {2, Kind::PushButton, 357, 361, 158, 32, "EXIT", 0},
    {1001, Kind::PushButton, 75, 7, 68, 14, "To Link Dll file", 0},
    {1002, Kind::PushButton, 18, 72, 126, 20, "DUMP LOG DTAT", 0},
    {1005, Kind::DropDownCombo, 18, 7, 48, 53, "", 0},
    {1003, Kind::PushButton, 18, 98, 126, 20, "ERASE ALL DATA", 0},
    {kNoId, Kind::Label, 149, 77, 113, 8, "( Dump data to c:\\abcd\\12345.dat )", kGroup},
    {kNoId, Kind::Label, 149, 104, 113, 8, "( Erase all log data )", kGroup},
    {1004, Kind::PushButton, 18, 134, 126, 20, "SETTING DEVICE FUNCTION", 0},
    {kNoId, Kind::Label, 149, 136, 113, 8, "( Time Interval  = 5 second )", kGroup},
    {kNoId, Kind::Label, 149, 147, 113, 8, "( Displacement Interval = Disable )", kGroup},
    {kNoId, Kind::Label, 149, 158, 113, 8, "( Vibration  = Enable )", kGroup},
    {1006, Kind::PushButton, 19, 237, 126, 20, "Read DLL Version", 0},
    {1007, Kind::PushButton, 19, 261, 126, 20, "Read Setting Value", 0},
    {1008, Kind::Label, 149, 261, 127, 8, "( Read Time Interval = ? )", kGroup},
    {1009, Kind::Label, 149, 272, 133, 8, "( Read Displacement Interval = ? )", kGroup},
    {1010, Kind::Label, 149, 281, 113, 8, "( Vibration  = ? )", kGroup},
    {1011, Kind::Label, 149, 291, 113, 8, "( Tag  = ? )", kGroup},
    {kNoId, Kind::Label, 150, 169, 113, 8, "( Tag  = Enable )", kGroup},
    {1012, Kind::Label, 150, 242, 113, 8, "( DLL Version = ? )", kGroup},
    {kNoId, Kind::Label, 150, 124, 113, 8, "( Wave file path c:\\abcd\\WavFile )", kGroup},
    {1013, Kind::PushButton, 18, 47, 493, 20, "Into Dump Mode", 0},
    {1014, Kind::PushButton, 356, 334, 159, 20, "Exit Dump Mode", 0},
    {1015, Kind::PushButton, 283, 72, 126, 20, "Read Device Information", 0},
    {1016, Kind::Label, 416, 77, 109, 8, "( FW Ver = ? )", kGroup},
    {1017, Kind::Label, 416, 89, 125, 8, "( SerialNumber = ? )", kGroup},
    {1018, Kind::PushButton, 283, 147, 126, 20, "Upgrade Firmware", 0},
    {kNoId, Kind::Label, 416, 149, 128, 17,
     "( Firmware file is in  c:\\abcd\\binfile\\ORLOG7_Encode.Bin )", kGroup},
    {1019, Kind::PushButton, 283, 123, 126, 20, "Read Bin File FW  Version", 0},
    {1020, Kind::Label, 416, 125, 201, 13, "( Bin File FW Version = ? )", kGroup},
    {1021, Kind::Label, 150, 303, 113, 8, "( Min. Speed limit  = ? )", kGroup},
    {kNoId, Kind::Label, 150, 180, 113, 8, "( Min. Speed limit = 3 knot )", kGroup},
    {1022, Kind::PushButton, 18, 25, 389, 20, "Auto Into Dump Mode", 0},
    {1023, Kind::Label, 413, 29, 113, 8, "( Auto Scan to COM )", kGroup},
    {1024, Kind::PushButton, 284, 174, 126, 20, "Read GPS UTC Time", 0},
    {1025, Kind::Label, 417, 179, 125, 8, "( GPS UTC = )", kGroup},
    {kNoId, Kind::Label, 460, 189, 88, 8, "hr:min:sec , day,month,year", kGroup},
    {1026, Kind::Edit, 284, 213, 124, 14, "", 0},
    {1027, Kind::PushButton, 412, 208, 47, 13, "Setting SN", 0},
    {kNoId, Kind::Label, 467, 210, 68, 13, "0 ~1000000000", kGroup},
    {1028, Kind::Label, 24, 364, 254, 8, "User Point 0--", kGroup},
    {1029, Kind::Label, 24, 374, 261, 8, "User Point 1--", kGroup},
    {1030, Kind::Label, 24, 384, 261, 8, "User Point 2--", kGroup},
    {1031, Kind::Label, 24, 394, 264, 8, "User Point 3--", kGroup},
    {1032, Kind::Label, 24, 404, 265, 8, "User Point 4--", kGroup},
    {1033, Kind::Label, 24, 414, 264, 8, "User Point 5--", kGroup},
    {1034, Kind::Label, 24, 424, 270, 8, "User Point 6--", kGroup},
    {1035, Kind::Label, 24, 434, 270, 8, "User Point 7--", kGroup},
    {1036, Kind::Label, 24, 444, 263, 8, "User Point 8--", kGroup},
    {1037, Kind::Label, 24, 454, 265, 8, "User Point 9--", kGroup},
    {1038, Kind::Label, 149, 315, 113, 8, "( Into Idle Timer  = ? )", kGroup},
    {kNoId, Kind::Label, 150, 192, 113, 8, "( Into Idle Timer  = 5 minute )", kGroup},
    {1039, Kind::PushButton, 283, 232, 126, 20, "Read Memory Used Size", 0},
    {1040, Kind::Label, 414, 239, 136, 8, "( Memory Used Size = ? )", kGroup},
    {1041, Kind::Label, 414, 249, 136, 8, "( Free Memory Size = ? )", kGroup},
    {kNoId, Kind::Label, 150, 204, 141, 8, "( Tag Mode  = Tag_For_Continuous_Mode )", kGroup},
    {1042, Kind::Label, 150, 327, 144, 8, "( Tag Mode  = ? )", kGroup},
    {1043, Kind::Label, 416, 99, 205, 8, "( Distributor Name = ? )", kGroup},
    {1044, Kind::Label, 150, 338, 144, 8, "( Time_Zone  = ? )", kGroup},
    {kNoId, Kind::Label, 150, 213, 56, 8, "( Time Zone = 8 )", kGroup},
    {kNoId, Kind::Label, 150, 223, 77, 8, "( Car Speed Limit = 50 )", kGroup},
    {1045, Kind::Label, 150, 347, 144, 8, "( Car Speed Limit  = ? )", kGroup},
    {1046, Kind::Label, 417, 111, 205, 8, "( Model Name = ? )", kGroup},
};

const ControlSpec kAboutBox[] = {
    {kNoId, Kind::Icon, 11, 17, 20, 20, nullptr, 0},
    {kNoId, Kind::Label, 40, 10, 119, 8, "Vantrel Version 1.2", SS_NOPREFIX},
    {kNoId, Kind::Label, 40, 25, 119, 8, nullptr, 0},  // the notice line: any text
    {IDOK, Kind::DefPushButton, 178, 7, 50, 14, "確定", 0},
};

}  // namespace

const DialogSpec& MainWindowSpec() {
    static const DialogSpec spec{"Vantrel", 637, 485, kMainWindow,
                                 sizeof kMainWindow / sizeof kMainWindow[0]};
    return spec;
}

const DialogSpec& AboutBoxSpec() {
    static const DialogSpec spec{"關於 Vantrel", 235, 55, kAboutBox,
                                 sizeof kAboutBox / sizeof kAboutBox[0]};
    return spec;
}

}  // namespace e2e
