// Under a Traditional Chinese system (code page 950) the library's 8-bit
// texts are double-byte text: the window must show them decoded, and a
// buffer filled to its end with double-byte characters must show exactly
// those characters. This group runs with the zh_TW.UTF-8 locale, which makes
// Wine's ANSI code page 950.
#include <windows.h>

#include <string>

#include "AppSession.h"
#include "tests/common/ExpectedFieldTexts.h"
#include "tests/common/ExpectedSettingsTexts.h"
#include "Text.h"

namespace {

const char kDeviceInformation[] = "KZ_ORLOG7_READ_DEVICE_INFORMATION";

// The texts as the window must show them, in UTF-8: 經銷商, 台 and 灣.
const char kDistributor[] = "\xE7\xB6\x93\xE9\x8A\xB7\xE5\x95\x86";
const char kTai[] = "\xE5\x8F\xB0";
const char kWan[] = "\xE7\x81\xA3";

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
    app.ExpectResultBox(1015, 29, "device information");
    app.ExpectFields(expected::DeviceInformationFields(7, "V1.00", kDistributor, Repeat(kTai, 16)),
                     "device information, the model name filling its buffer");

    // The degree sign is A2 58 in code page 950.
    app.Fake().Script({"KZ_ORLOG7_READ_DLL_VERSION result 21",
                       "KZ_ORLOG7_READ_DLL_VERSION version hex:a2583100"});
    app.ExpectResultBox(1006, 21, "library version");
    app.ExpectFields(expected::DllVersionFields(std::string(expected::kDegree) + "1"),
                     "library version");

    // 64 bytes of 灣 and no terminator.
    app.Fake().Script({"KZ_ORLOG7_Read_BinFile_FW_Version result 37",
                       "KZ_ORLOG7_Read_BinFile_FW_Version version hex:" + Repeat("c657", 32)});
    app.ExpectResultBox(1019, 37, "image version");
    app.ExpectFields(expected::BinFileVersionFields(Repeat(kWan, 32)),
                     "image version filling its buffer");

    // Full-width digits are characters of the code page, not decimal digits.
    app.SetFieldText(1026, L"\uFF11\uFF12\uFF13");
    app.ExpectResultBox(1027, expected::kSerialRefusedCaption, expected::kSerialRefused,
                        "full-width digits");
    ctx.ExpectEq(e2e::CallsOf(app.Fake().Take()).size(), 3u, "calls: the three reads only");
}
