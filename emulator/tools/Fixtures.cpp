// orlog7-fixtures: writes the files the emulated logger reads.
//
//   orlog7-fixtures image <file> <version>   a valid firmware image
//   orlog7-fixtures waves <folder>           the voice prompts, VP01..VP08.wav
//
// Builds for the host and for Windows (an end-to-end rig can run it under
// Wine with Windows paths of any length). Missing folders are created. It
// writes through the emulator's own file system of its platform.
#include <cstdio>
#include <cstring>
#include <string>

#include "FirmwareImage.h"
#include "WavePrompts.h"
#ifdef _WIN32
#include "TextConversion.h"
#include "Win32FileSystem.h"
#else
#include "PosixFileSystem.h"
#endif

namespace {

using namespace orlog7emu;

#ifdef _WIN32
using PlatformFileSystem = Win32FileSystem;
// Arguments come in the system code page; the file system takes UTF-8.
std::string PathArgument(const char* argument) {
    return CodePageToUtf8(argument);
}
#else
using PlatformFileSystem = PosixFileSystem;
std::string PathArgument(const char* argument) {
    return argument;
}
#endif

int Usage() {
    std::fprintf(stderr,
                 "usage: orlog7-fixtures image <file> <version>\n"
                 "       orlog7-fixtures waves <folder>\n"
                 "The version is 1 to %u printable ASCII characters.\n",
                 static_cast<unsigned>(kFirmwareVersionMaxLength));
    return 2;
}

int WriteImage(FileSystem& fs, const std::string& path, const std::string& version) {
    if (!IsValidFirmwareVersion(version)) {
        std::fprintf(stderr,
                     "orlog7-fixtures: version \"%s\" is not 1 to %u printable characters\n",
                     version.c_str(), static_cast<unsigned>(kFirmwareVersionMaxLength));
        return 1;
    }
    if (!fs.CreateDirectories(ParentDirectory(path)) ||
        !fs.WriteFileAtomic(path, BuildImage(version))) {
        std::fprintf(stderr, "orlog7-fixtures: cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%s: firmware image, version %s\n", path.c_str(), version.c_str());
    return 0;
}

int WriteWaves(FileSystem& fs, const std::string& folder) {
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
    std::printf("%s: %u voice prompts\n", folder.c_str(), static_cast<unsigned>(WavePromptCount()));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    PlatformFileSystem fs;
    if (argc == 4 && std::strcmp(argv[1], "image") == 0) {
        return WriteImage(fs, PathArgument(argv[2]), argv[3]);
    }
    if (argc == 3 && std::strcmp(argv[1], "waves") == 0) {
        return WriteWaves(fs, PathArgument(argv[2]));
    }
    return Usage();
}
