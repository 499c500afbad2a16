#include "FakeScript.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fakelib {
namespace {

std::string ReadWholeFile(const wchar_t* path) {
    std::string content;
    if (path == nullptr || path[0] == L'\0') {
        return content;
    }
    FILE* file = _wfopen(path, L"rb");
    if (file == nullptr) {
        return content;
    }
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        content.append(chunk, got);
    }
    std::fclose(file);
    return content;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ParseHex(const std::string& text, std::vector<uint8_t>* bytes) {
    if (text.size() % 2 != 0) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes->push_back(static_cast<uint8_t>(high * 16 + low));
    }
    return true;
}

bool ParseNumber(const std::string& text, int64_t* number) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    *number = std::strtoll(text.c_str(), &end, 10);
    return end != nullptr && *end == '\0';
}

// Splits off the next blank-separated word of `line` starting at `*pos`.
std::string NextWord(const std::string& line, std::size_t* pos) {
    while (*pos < line.size() && line[*pos] == ' ')
        ++*pos;
    const std::size_t start = *pos;
    while (*pos < line.size() && line[*pos] != ' ')
        ++*pos;
    return line.substr(start, *pos - start);
}

}  // namespace

ExportScript::ExportScript(const wchar_t* path, const char* exportName) {
    const std::string content = ReadWholeFile(path);
    std::size_t lineStart = 0;
    while (lineStart < content.size()) {
        std::size_t lineEnd = content.find('\n', lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = content.size();
        std::string line = content.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;

        std::size_t pos = 0;
        const std::string name = NextWord(line, &pos);
        if (name != exportName)
            continue;
        ScriptValue value;
        value.key = NextWord(line, &pos);
        if (pos < line.size())
            ++pos;  // the one blank before the value
        const std::string raw = line.substr(pos);
        bool ok = false;
        if (raw.compare(0, 5, "text:") == 0) {
            value.bytes.assign(raw.begin() + 5, raw.end());
            value.bytes.push_back(0);
            ok = true;
        } else if (raw.compare(0, 4, "hex:") == 0) {
            ok = ParseHex(raw.substr(4), &value.bytes);
        } else {
            value.isNumber = true;
            ok = ParseNumber(raw, &value.number);
        }
        if (!ok || value.key.empty()) {
            errors_ += "bad-line:" + value.key + ";";
            continue;
        }
        // A later line for the same key wins.
        for (auto it = values_.begin(); it != values_.end(); ++it) {
            if (it->key == value.key) {
                values_.erase(it);
                break;
            }
        }
        values_.push_back(value);
    }
}

const ScriptValue* ExportScript::Find(const char* key) const {
    for (const ScriptValue& value : values_) {
        if (value.key == key) {
            value.used = true;
            return &value;
        }
    }
    return nullptr;
}

std::string ExportScript::UnusedKeys() const {
    std::string keys;
    for (const ScriptValue& value : values_) {
        if (!value.used)
            keys += (keys.empty() ? "" : ",") + value.key;
    }
    return keys;
}

int32_t ExportScript::Result() const {
    const ScriptValue* value = Find("result");
    return value != nullptr && value->isNumber ? static_cast<int32_t>(value->number) : 0;
}

uint32_t ExportScript::DelayMs() const {
    const ScriptValue* value = Find("delayMs");
    return value != nullptr && value->isNumber ? static_cast<uint32_t>(value->number) : 0;
}

bool ExportScript::WriteOutput(const char* key, void* out, std::size_t size) const {
    const ScriptValue* value = Find(key);
    if (value == nullptr || out == nullptr) {
        return false;
    }
    uint8_t* bytes = static_cast<uint8_t*>(out);
    if (value->isNumber) {
        uint64_t number = static_cast<uint64_t>(value->number);
        for (std::size_t i = 0; i < size && i < 8; ++i) {
            bytes[i] = static_cast<uint8_t>(number & 0xFF);
            number >>= 8;
        }
        return true;
    }
    const std::size_t count = value->bytes.size() < size ? value->bytes.size() : size;
    std::memcpy(bytes, value->bytes.data(), count);
    return true;
}

}  // namespace fakelib
