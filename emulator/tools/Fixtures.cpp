// orlog7-fixtures: writes the files the emulated logger reads.
//
//   orlog7-fixtures image <file> <version>   a valid firmware image
//   orlog7-fixtures waves <folder>           the voice prompts, VP01..VP08.wav
#include <cstdio>
#include <cstring>
#include <string>

#include "FirmwareImage.h"
#include "PosixFileSystem.h"
#include "WavePrompts.h"

namespace {

using namespace orlog7emu;

int Usage() {
    std::fprintf(stderr,
                 "usage: orlog7-fixtures image <file> <version>\n"
                 "       orlog7-fixtures waves <folder>\n"
                 "The version is 1 to %zu printable ASCII characters.\n",
                 kFirmwareVersionMaxLength);
    return 2;
}

int WriteImage(const std::string& path, const std::string& version) {
    if (!IsValidFirmwareVersion(version)) {
        std::fprintf(stderr, "orlog7-fixtures: version \"%s\" is not 1 to %zu printable characters\n",
                     version.c_str(), kFirmwareVersionMaxLength);
        return 1;
    }
    PosixFileSystem fs;
    const std::string folder = ParentDirectory(path);
    if (!fs.CreateDirectories(folder) || !fs.WriteFileAtomic(path, BuildImage(version))) {
        std::fprintf(stderr, "orlog7-fixtures: cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%s: firmware image, version %s\n", path.c_str(), version.c_str());
    return 0;
}

int WriteWaves(const std::string& folder) {
    PosixFileSystem fs;
    if (!fs.CreateDirectories(folder)) {
        std::fprintf(stderr, "orlog7-fixtures: cannot create %s\n", folder.c_str());
        return 1;
    }
    for (size_t i = 0; i < WavePromptCount(); ++i) {
        const std::string path = JoinPath(folder, WavePromptAt(i).fileName);
        if (!fs.WriteFileAtomic(path, MakePromptWave(i))) {
            std::fprintf(stderr, "orlog7-fixtures: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    std::printf("%s: %zu voice prompts\n", folder.c_str(), WavePromptCount());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "image") == 0) return WriteImage(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "waves") == 0) return WriteWaves(argv[2]);
    return Usage();
}
