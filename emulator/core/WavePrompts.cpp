#include "WavePrompts.h"

#include <cmath>
#include <cstring>

#include "ResultCode.h"

namespace orlog7emu {

namespace {

constexpr WavePrompt kPrompts[] = {
    {"VP01.wav", "power on"},
    {"VP02.wav", "GPS position fixed"},
    {"VP03.wav", "log memory full"},
    {"VP04.wav", "battery low"},
    {"VP05.wav", "approaching a user point"},
    {"VP06.wav", "over the car speed limit"},
    {"VP07.wav", "tag recorded"},
    {"VP08.wav", "power off"},
};

constexpr uint16_t kPcmFormat = 1;

bool TagIs(const Bytes& file, size_t at, const char* tag) {
    return at + 4 <= file.size() && std::memcmp(file.data() + at, tag, 4) == 0;
}

}  // namespace

size_t WavePromptCount() {
    return sizeof(kPrompts) / sizeof(kPrompts[0]);
}

const WavePrompt& WavePromptAt(size_t index) {
    return kPrompts[index];
}

bool IsCompleteWave(const Bytes& file) {
    if (file.size() < 12 || !TagIs(file, 0, "RIFF") || !TagIs(file, 8, "WAVE")) {
        return false;
    }
    ByteReader header(file.data() + 4, 4);
    const uint64_t riffEnd = 8ull + header.U32();
    if (riffEnd > file.size()) {
        return false;  // cut short
    }

    bool pcmFormat = false;
    bool data = false;
    size_t at = 12;
    while (at + 8 <= riffEnd) {
        ByteReader chunk(file.data() + at + 4, 4);
        const uint64_t size = chunk.U32();
        const uint64_t bodyEnd = at + 8 + size;
        if (bodyEnd > riffEnd) {
            return false;
        }
        if (TagIs(file, at, "fmt ") && size >= 16) {
            ByteReader fmt(file.data() + at + 8, 16);
            const uint16_t format = fmt.U16();
            const uint16_t channels = fmt.U16();
            const uint32_t rate = fmt.U32();
            fmt.U32();  // byte rate
            fmt.U16();  // block align
            const uint16_t bits = fmt.U16();
            pcmFormat = format == kPcmFormat && channels >= 1 && channels <= 2 && rate > 0 &&
                        (bits == 8 || bits == 16);
        } else if (TagIs(file, at, "data")) {
            data = pcmFormat;  // samples only count after their format
        }
        at = static_cast<size_t>(bodyEnd + (size & 1));
    }
    return pcmFormat && data;
}

int32_t CheckWaveFolder(const FileSystem& fs, const std::string& folder) {
    if (folder.empty() || !fs.IsDirectory(folder)) {
        return code::kErrorWaveFilePath;
    }
    for (const WavePrompt& prompt : kPrompts) {
        Bytes file;
        const ReadStatus status =
            fs.ReadFile(JoinPath(folder, prompt.fileName), kMaxWaveFileSize, file);
        if (status == ReadStatus::TooLarge) {
            return code::kWaveFileOver128K;
        }
        if (status != ReadStatus::Ok || !IsCompleteWave(file)) {
            return code::kUncompletedWaveFiles;
        }
    }
    return 0;
}

Bytes MakePromptWave(size_t index) {
    constexpr uint32_t kRate = 8000;
    constexpr uint32_t kSamples = kRate * 3 / 10;  // 0.3 s
    const double pitch = 440.0 + 110.0 * static_cast<double>(index);

    Bytes file;
    ByteWriter out(file);
    out.Raw(reinterpret_cast<const uint8_t*>("RIFF"), 4);
    out.U32(4 + 8 + 16 + 8 + kSamples);
    out.Raw(reinterpret_cast<const uint8_t*>("WAVEfmt "), 8);
    out.U32(16);
    out.U16(kPcmFormat);
    out.U16(1);  // mono
    out.U32(kRate);
    out.U32(kRate);  // bytes per second
    out.U16(1);      // block align
    out.U16(8);      // bits per sample
    out.Raw(reinterpret_cast<const uint8_t*>("data"), 4);
    out.U32(kSamples);
    for (uint32_t i = 0; i < kSamples; ++i) {
        const double phase = 2.0 * 3.14159265358979323846 * pitch * i / kRate;
        out.U8(static_cast<uint8_t>(128 + std::lround(60.0 * std::sin(phase))));
    }
    return file;  // kSamples is even: no pad byte
}

}  // namespace orlog7emu
