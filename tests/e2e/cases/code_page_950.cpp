// Under a Traditional Chinese system (code page 950) the library's 8-bit
// texts are double-byte text: the window must show them decoded, and a
// buffer filled to its end with double-byte characters must show exactly
// those characters. This group runs with the zh_TW.UTF-8 locale, which makes
// Wine's ANSI code page 950.
#include <windows.h>

#include <string>

#include "AppSession.h"
#include "tests/common/ExpectedResults.h"
#include "Text.h"

namespace {

const char kDeviceInformation[] = "KZ_ORLOG7_READ_DEVICE_INFORMATION";

std::string Repeat(const std::string& text, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += text;
    }
    return out;
}

}  // namespace

E2E_CASE(code_page_950, library_texts_are_decoded_from_the_system_code_page) {
    ctx.Require(GetACP() == 950, "the ANSI code page is 950 (zh_TW.UTF-8 locale)");
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();

    // 經銷商 and 台灣 in code page 950; the model name fills all 32 bytes with
    // sixteen 台 and no terminator.
    app.Fake().Script({std::string(kDeviceInformation) + " result 29",
                       std::string(kDeviceInformation) + " serialNumber 7",
                       std::string(kDeviceInformation) + " firmwareVersion text:V1.00",
                       std::string(kDeviceInformation) + " distributorName hex:b867be50b0d300",
                       std::string(kDeviceInformation) + " modelName hex:" + Repeat("a578", 16)});
    app.ExpectResultBox(1015, expected::kResultCaption, expected::MessageOf(29),
                        "device information");
    ctx.ExpectEq(app.FieldText(1043), std::wstring(L"( Distributor Name = \u7D93\u92B7\u5546 )"),
                 "distributor name");
    ctx.ExpectEq(app.FieldText(1046), L"( Model Name = " + std::wstring(16, L'\u53F0') + L" )",
                 "model name filling its buffer");

    // The degree sign is A2 58 in code page 950.
    app.Fake().Script({"KZ_ORLOG7_READ_DLL_VERSION result 21",
                       "KZ_ORLOG7_READ_DLL_VERSION version hex:a2583100"});
    app.ExpectResultBox(1006, expected::kResultCaption, expected::MessageOf(21), "library version");
    ctx.ExpectEq(app.FieldText(1012), std::wstring(L"( DLL Version = \u00B01 )"),
                 "library version");

    // 64 bytes of 灣 and no terminator.
    app.Fake().Script({"KZ_ORLOG7_Read_BinFile_FW_Version result 37",
                       "KZ_ORLOG7_Read_BinFile_FW_Version version hex:" + Repeat("c657", 32)});
    app.ExpectResultBox(1019, expected::kResultCaption, expected::MessageOf(37), "image version");
    ctx.ExpectEq(app.FieldText(1020),
                 L"( Bin File FW Version = " + std::wstring(32, L'\u7063') + L" )",
                 "image version filling its buffer");

    // Full-width digits are characters of the code page, not decimal digits.
    app.SetFieldText(1026, L"\uFF11\uFF12\uFF13");
    app.ExpectResultBox(1027, expected::kSerialRefusedCaption, expected::kSerialRefused,
                        "full-width digits");
    ctx.ExpectEq(e2e::CallsOf(app.Fake().Take()).size(), 3u, "calls: the three reads only");
}
