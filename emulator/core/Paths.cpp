#include "FileSystem.h"

namespace orlog7emu {

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    const char last = folder.back();
    if (last == '/' || last == '\\') {
        return folder + name;
    }
    const char separator = folder.find('\\') != std::string::npos ? '\\' : '/';
    return folder + separator + name;
}

std::string ParentDirectory(const std::string& path) {
    const size_t cut = path.find_last_of("/\\");
    if (cut == std::string::npos) {
        return std::string();
    }
    if (cut == 0) {
        return path.substr(0, 1);
    }
    if (cut == 2 && path[1] == ':') {
        return path.substr(0, 3);  // "g:\"
    }
    return path.substr(0, cut);
}

}  // namespace orlog7emu
