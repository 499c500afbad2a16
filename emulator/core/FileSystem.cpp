#include <vector>

#include "FileSystem.h"

namespace orlog7emu {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// The end of the share in "\\server\share\...", taken from `from`, the
// server's first character: just past the separator after the share.
size_t ShareRootEnd(const std::string& path, size_t from) {
    const size_t server = path.find_first_of("/\\", from);
    if (server == std::string::npos) {
        return path.size();
    }
    const size_t share = path.find_first_of("/\\", server + 1);
    return share == std::string::npos ? path.size() : share + 1;
}

// How much of the path is its root, which has no parent: "/", "\", "C:",
// "C:\", "\\server\share\", "\\?\C:\", "\\?\UNC\server\share\".
size_t RootLength(const std::string& path) {
    if (StartsWith(path, "\\\\?\\UNC\\")) {
        return ShareRootEnd(path, 8);
    }
    if (StartsWith(path, "\\\\?\\") || StartsWith(path, "\\\\.\\")) {
        const std::string rest = path.substr(4);
        return 4 + RootLength(rest);
    }
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        return ShareRootEnd(path, 2);
    }
    if (path.size() >= 2 && path[1] == ':') {
        return path.size() >= 3 && IsSeparator(path[2]) ? 3 : 2;
    }
    return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

size_t ParentLength(const std::string& path) {
    const size_t root = RootLength(path);
    if (path.size() <= root) {
        return 0;
    }
    const size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos || cut < root ? root : cut;
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    if (IsSeparator(folder.back())) {
        return folder + name;
    }
    const char separator = folder.find('\\') != std::string::npos ? '\\' : '/';
    return folder + separator + name;
}

std::string PathRoot(const std::string& path) {
    return path.substr(0, RootLength(path));
}

std::string ParentDirectory(const std::string& path) {
    return path.substr(0, ParentLength(path));
}

bool FileSystem::SameFile(const std::string& a, const std::string& b) const {
    FileStamp first;
    FileStamp second;
    return Stamp(a, first) == ReadStatus::Ok && Stamp(b, second) == ReadStatus::Ok &&
           first.volume == second.volume && first.index == second.index;
}

// Walks up to the first folder that exists, then creates the missing ones
// from the top down. Iterative: a long path of short names is deep.
bool FileSystem::CreateDirectories(const std::string& path) {
    std::vector<size_t> missing;  // lengths of the missing folders' paths, deepest first
    for (size_t length = path.size(); length != 0 && !IsDirectory(path.substr(0, length));) {
        missing.push_back(length);
        length = ParentLength(path.substr(0, length));
    }
    for (auto length = missing.rbegin(); length != missing.rend(); ++length) {
        if (!MakeDirectory(path.substr(0, *length))) {
            return false;
        }
    }
    return true;
}

}  // namespace orlog7emu
