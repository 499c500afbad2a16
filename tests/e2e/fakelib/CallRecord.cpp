#include "CallRecord.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace fakelib {
namespace {

constexpr std::size_t kTextLogLimit = 4096;
constexpr char kUnreadSlot[] = "????????";  // x64: the argument is in a register

std::wstring Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH * 2];
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2) {
        return std::wstring();
    }
    return std::wstring(value, length);
}

std::string Hex(const void* data, std::size_t size) {
    static const char kDigits[] = "0123456789abcdef";
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    std::string text = "hex:";
    for (std::size_t i = 0; i < size; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 15];
    }
    return text;
}

std::string Slot(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(value));
    return text;
}

}  // namespace

void AppendLogLine(const std::string& line) {
    const std::wstring path = Environment(L"VANTREL_FAKE_LOG");
    if (path.empty()) {
        return;
    }
    // Opened and closed per line, so the driver sees every line as soon as
    // the call returns, and a crash loses nothing.
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    const std::string withEnd = line + "\n";
    DWORD written = 0;
    WriteFile(file, withEnd.data(), static_cast<DWORD>(withEnd.size()), &written, nullptr);
    CloseHandle(file);
}

CallRecord::CallRecord(const char* exportName, const uint32_t* slots, std::size_t slotCount)
    : script_(Environment(L"VANTREL_FAKE_SCRIPT").c_str(), exportName) {
    line_ = std::string("call ") + exportName + " slots=";
    for (std::size_t i = 0; i < slotCount; ++i) {
        line_ +=
            (i == 0 ? "" : ",") + (slots == nullptr ? std::string(kUnreadSlot) : Slot(slots[i]));
    }
    if (slotCount == 0) {
        line_ += "-";
    }
    if (!script_.Errors().empty()) {
        AppendLogLine("error script " + std::string(exportName) + " " + script_.Errors());
    }
}

void CallRecord::Number(const char* name, int64_t value) {
    line_ += std::string(" ") + name + "=" + std::to_string(value);
}

void CallRecord::Text(const char* name, const char* text) {
    if (text == nullptr) {
        line_ += std::string(" ") + name + "=null";
        return;
    }
    std::size_t length = 0;
    while (length < kTextLogLimit && text[length] != '\0')
        ++length;
    line_ += std::string(" ") + name + "=" + Hex(text, length);
}

void CallRecord::Bytes(const char* name, const void* data, std::size_t size) {
    line_ +=
        std::string(" ") + name + "=" + (data == nullptr ? std::string("null") : Hex(data, size));
}

void CallRecord::NumberOutput(const char* name, void* out, std::size_t size) {
    Bytes((std::string(name) + ".in").c_str(), out, size);
    script_.WriteOutput(name, out, size);
}

void CallRecord::BufferOutput(const char* name, void* out, std::size_t size) {
    if (out == nullptr) {
        line_ += std::string(" ") + name + "=null";
    }
    script_.WriteOutput(name, out, size);
}

int32_t CallRecord::Finish() {
    if (script_.DelayMs() > 0) {
        Sleep(script_.DelayMs());
    }
    const int32_t result = script_.Result();
    line_ += " result=" + std::to_string(result);
    AppendLogLine(line_);
    const std::string unused = script_.UnusedKeys();
    if (!unused.empty()) {
        AppendLogLine("error unknown-keys " + unused);
    }
    return result;
}

}  // namespace fakelib
