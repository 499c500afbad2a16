// orlog7-fixtures: writes the files the emulated logger reads.
//
//   orlog7-fixtures image <file> <version>   a valid firmware image
//   orlog7-fixtures waves <folder>           the voice prompts, VP01..VP08.wav
//
// Builds for the host and for Windows (an end-to-end rig can run it under
// Wine with Windows paths). Missing folders are created.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#endif

#include "FirmwareImage.h"
#include "WavePrompts.h"

namespace {

using namespace orlog7emu;

int Usage() {
    std::fprintf(stderr,
                 "usage: orlog7-fixtures image <file> <version>\n"
                 "       orlog7-fixtures waves <folder>\n"
                 "The version is 1 to %u printable ASCII characters.\n",
                 static_cast<unsigned>(kFirmwareVersionMaxLength));
    return 2;
}

bool MakeFolder(const std::string& path) {
#ifdef _WIN32
    return _mkdir(path.c_str()) == 0 || errno == EEXIST;
#else
    return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
#endif
}

bool MakeFolders(const std::string& path) {
    if (path.empty()) {
        return true;
    }
    const std::string parent = ParentDirectory(path);
    if (!parent.empty() && parent != path && !MakeFolders(parent)) {
        return false;
    }
    return MakeFolder(path);
}

bool WriteWhole(const std::string& path, const Bytes& data) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
    return std::fclose(file) == 0 && written;
}

int WriteImage(const std::string& path, const std::string& version) {
    if (!IsValidFirmwareVersion(version)) {
        std::fprintf(stderr,
                     "orlog7-fixtures: version \"%s\" is not 1 to %u printable characters\n",
                     version.c_str(), static_cast<unsigned>(kFirmwareVersionMaxLength));
        return 1;
    }
    if (!MakeFolders(ParentDirectory(path)) || !WriteWhole(path, BuildImage(version))) {
        std::fprintf(stderr, "orlog7-fixtures: cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%s: firmware image, version %s\n", path.c_str(), version.c_str());
    return 0;
}

int WriteWaves(const std::string& folder) {
    if (!MakeFolders(folder)) {
        std::fprintf(stderr, "orlog7-fixtures: cannot create %s\n", folder.c_str());
        return 1;
    }
    for (size_t i = 0; i < WavePromptCount(); ++i) {
        const std::string path = JoinPath(folder, WavePromptAt(i).fileName);
        if (!WriteWhole(path, MakePromptWave(i))) {
            std::fprintf(stderr, "orlog7-fixtures: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    std::printf("%s: %u voice prompts\n", folder.c_str(), static_cast<unsigned>(WavePromptCount()));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "image") == 0) {
        return WriteImage(argv[2], argv[3]);
    }
    if (argc == 3 && std::strcmp(argv[1], "waves") == 0) {
        return WriteWaves(argv[2]);
    }
    return Usage();
}
