#include "FakeLibrary.h"

#include <windows.h>

#include <cstdio>

#include "Files.h"

namespace e2e {
namespace {

std::vector<std::string> ReadLines(const std::wstring& path) {
    std::vector<std::string> lines;
    std::string content;
    ReadWholeFile(path, content);
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos)
            break;  // a line still being written
        lines.push_back(content.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

LibraryEvent ParseEvent(const std::string& line) {
    LibraryEvent event;
    event.line = line;
    size_t pos = 0;
    bool first = true;
    while (pos < line.size()) {
        size_t end = line.find(' ', pos);
        if (end == std::string::npos)
            end = line.size();
        const std::string word = line.substr(pos, end - pos);
        pos = end + 1;
        if (first) {
            event.kind = word;
            first = false;
            continue;
        }
        const size_t eq = word.find('=');
        if (eq == std::string::npos) {
            if (event.name.empty())
                event.name = word;
        } else {
            event.fields[word.substr(0, eq)] = word.substr(eq + 1);
        }
    }
    return event;
}

}  // namespace

bool PartialExports(const std::string& exportName) {
    static const char* const kPresent[] = {
        "KZ_ORLOG7_DUMP_DB",          "KZ_ORLOG7_INTO_DUMP_MODE",
        "KZ_ORLOG7_READ_DLL_VERSION", "KZ_ORLOG7_READ_SETTING_VALUE",
        "KZ_ORLOG7_FW_UPGRADE",       "KZ_ORLOG7_Setting_SN",
    };
    for (const char* name : kPresent) {
        if (exportName == name)
            return true;
    }
    return false;
}

void FakeLibrary::SetFiles(const std::wstring& scriptPath, const std::wstring& logPath) {
    scriptPath_ = scriptPath;
    logPath_ = logPath;
    Write();
}

void FakeLibrary::Script(const std::vector<std::string>& lines) {
    lines_ = lines;
    Write();
}

void FakeLibrary::Answer(const std::string& exportName, int32_t result,
                         const std::vector<std::string>& outputs) {
    std::vector<std::string> lines = {exportName + " result " + std::to_string(result)};
    for (const std::string& output : outputs) {
        lines.push_back(exportName + " " + output);
    }
    Script(lines);
}

void FakeLibrary::SetResult(const std::string& exportName, int result) {
    Set(exportName, "result", std::to_string(result));
}

void FakeLibrary::Set(const std::string& exportName, const std::string& key,
                      const std::string& value) {
    const std::string prefix = exportName + " " + key + " ";
    for (auto it = lines_.begin(); it != lines_.end();) {
        it = it->compare(0, prefix.size(), prefix) == 0 ? lines_.erase(it) : it + 1;
    }
    lines_.push_back(prefix + value);
    Write();
}

void FakeLibrary::Write() {
    if (scriptPath_.empty())
        return;
    std::string content;
    for (const std::string& line : lines_)
        content += line + "\n";
    // Written whole under a temporary name and moved into place, so the
    // library never reads half a script.
    const std::wstring temporary = scriptPath_ + L".new";
    FILE* file = _wfopen(temporary.c_str(), L"wb");
    if (file == nullptr)
        return;
    fwrite(content.data(), 1, content.size(), file);
    fclose(file);
    MoveFileExW(temporary.c_str(), scriptPath_.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::vector<LibraryEvent> FakeLibrary::Take() {
    std::vector<LibraryEvent> events;
    const std::vector<std::string> lines = ReadLines(logPath_);
    for (size_t i = taken_; i < lines.size(); ++i)
        events.push_back(ParseEvent(lines[i]));
    taken_ = lines.size();
    return events;
}

std::vector<LibraryEvent> FakeLibrary::All() const {
    std::vector<LibraryEvent> events;
    for (const std::string& line : ReadLines(logPath_))
        events.push_back(ParseEvent(line));
    return events;
}

std::vector<LibraryEvent> CallsOf(const std::vector<LibraryEvent>& events) {
    std::vector<LibraryEvent> calls;
    for (const LibraryEvent& event : events) {
        if (event.kind == "call")
            calls.push_back(event);
    }
    return calls;
}

}  // namespace e2e
