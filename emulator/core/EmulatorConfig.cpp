#include "EmulatorConfig.h"

#include <cctype>
#include <cstdlib>

#include "FileSystem.h"

namespace orlog7emu {

namespace {

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// A decimal number within [min, max], or false.
bool ParseNumber(const std::string& text, uint32_t min, uint32_t max, uint32_t& value) {
    if (text.empty() || text.size() > 9) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    const auto parsed = static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
    if (parsed < min || parsed > max) {
        return false;
    }
    value = parsed;
    return true;
}

bool ParseFlag(const std::string& text, bool& value) {
    const std::string t = Lower(text);
    if (t == "1" || t == "yes" || t == "true" || t == "on") {
        value = true;
        return true;
    }
    if (t == "0" || t == "no" || t == "false" || t == "off") {
        value = false;
        return true;
    }
    return false;
}

}  // namespace

void ApplyEmulatorSetting(EmulatorConfig& config, const std::string& name,
                          const std::string& text) {
    const std::string key = Lower(Trim(name));
    const std::string value = Trim(text);
    uint32_t number = 0;
    if (key == "port") {
        const std::string digits = Lower(value).rfind("com", 0) == 0 ? value.substr(3) : value;
        if (ParseNumber(digits, 1, 99, number)) {
            config.loggerPort = static_cast<uint8_t>(number);
        }
    } else if (key == "unplugged") {
        ParseFlag(value, config.unplugged);
    } else if (key == "nogpsfix") {
        ParseFlag(value, config.noGpsFix);
    } else if (key == "transferdelaymsperkib") {
        if (ParseNumber(value, 0, kMaxTransferDelayMsPerKiB, number)) {
            config.transferDelayMsPerKiB = number;
        }
    } else if (key == "statefile") {
        config.stateFile = value;
    }
}

std::string ResolveStateFile(const EmulatorConfig& config, const std::string& dllFolder,
                             const std::string& defaultPath) {
    const std::string& file = config.stateFile;
    if (file.empty()) {
        return defaultPath;
    }
    const bool rooted = file[0] == '\\' || file[0] == '/';
    const bool drive = file.size() >= 2 && file[1] == ':';
    return rooted || drive ? file : JoinPath(dllFolder, file);
}

}  // namespace orlog7emu
