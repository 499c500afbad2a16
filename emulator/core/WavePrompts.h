// The voice prompts the logger plays, which the settings write copies from
// the wave-file folder. Naming rule: "VPnn.wav", nn = 01..08 as in the table
// of WavePrompts.cpp. Each must be a RIFF WAVE file with a PCM "fmt " chunk
// and a complete "data" chunk, at most 128 KiB in all.
#ifndef VANTREL_EMULATOR_CORE_WAVEPROMPTS_H
#define VANTREL_EMULATOR_CORE_WAVEPROMPTS_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "ByteIo.h"
#include "FileSystem.h"

namespace orlog7emu {

constexpr size_t kMaxWaveFileSize = 128 * 1024;

struct WavePrompt {
    const char* fileName;
    const char* meaning;
};

size_t WavePromptCount();
const WavePrompt& WavePromptAt(size_t index);

// True when the bytes are a complete RIFF WAVE file with PCM samples.
bool IsCompleteWave(const Bytes& file);

// Checks the folder: 23 when it is not a folder, 16 when a prompt is missing
// or not a complete WAVE file, 17 when one is larger than 128 KiB, in the
// order of the prompt table; 0 when all are good.
int32_t CheckWaveFolder(const FileSystem& fs, const std::string& folder);

// A valid prompt file: a short 8 kHz 8-bit mono tone, one pitch per prompt.
Bytes MakePromptWave(size_t index);

}  // namespace orlog7emu

#endif
