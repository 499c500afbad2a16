// Times the logger emulator's exports on a full log, in one run beside a
// plain read and a CopyFileW of the same state file (under Wine or Windows):
//
//   EmulatorBench ORLOG7_DLL.dll WORK_FOLDER RUNS
//
// WORK_FOLDER gets a copy of the DLL with an ORLOG7_DLL.ini that puts the
// state file beside it. Each run loads the DLL afresh, so that every run
// reads the state as a new program does. Per run:
//   read      CreateFileW and ReadFile of the whole state file
//   copy      CopyFileW of the state file
//   entry     the first export call of the process: KZ_ORLOG7_INTO_DUMP_MODE
//             on a full log (the state read, caught up and saved)
//   reading   one reading export after that: KZ_ORLOG7_READ_DEVICE_INFORMATION
//   dump      KZ_ORLOG7_DUMP_DB of the full log, no transfer delay
//   catch-up  KZ_ORLOG7_INTO_DUMP_MODE after 40 days away at a displacement
//             interval of 3000 m (a state file of its own)
// and prints the medians, the ratios and their targets.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "LoggerState.h"
#include "Route.h"
#include "StateCodec.h"
#include "Timing.h"
#include "devicelib/DeviceLibContract.h"

namespace {

using namespace orlog7emu;

constexpr Orlog7Port kPort = 5;
constexpr int64_t kFortyDays = 40 * 86400;

template <typename Fn>
double Timed(Fn&& fn) {
    const double start = Now();
    fn();
    return Now() - start;
}

int64_t UnixNow() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const uint64_t ticks = (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<int64_t>(ticks / 10000000) - 11644473600LL;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) {
        narrow += static_cast<char>(c);  // the work folder's path is plain ASCII
    }
    return narrow;
}

bool WriteWhole(const std::wstring& path, const void* data, size_t size) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool ok =
        WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
    return CloseHandle(file) && ok;
}

bool ReadWhole(const std::wstring& path, std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(file, &size) != 0;
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
             read == bytes.size();
    }
    CloseHandle(file);
    return ok;
}

// A logger whose memory is full: one fix a second up to now.
LoggerState FullLogger(int64_t now) {
    LoggerState state = FactoryFreshState(now);
    state.log.clear();
    state.log.reserve(kLogCapacityRecords);
    for (size_t i = 0; i < kLogCapacityRecords; ++i) {
        state.log.push_back(FixAt(now - static_cast<int64_t>(kLogCapacityRecords - i)));
    }
    return state;
}

// A fresh logger, left alone for 40 days with a 3000 m displacement interval.
LoggerState FortyDaysAway(int64_t now) {
    LoggerState state = FactoryFreshState(now - kFortyDays);
    state.settings.timeInterval = -1;
    state.settings.displacementInterval = 3000;
    return state;
}

bool WriteState(const std::wstring& path, const LoggerState& state) {
    const Bytes bytes = EncodeState(state);
    return WriteWhole(path, bytes.data(), bytes.size());
}

// The emulator's exports in one loaded copy of the DLL.
struct Emulator {
    explicit Emulator(const std::wstring& dll) : module(LoadLibraryW(dll.c_str())) {
        if (module != nullptr) {
            into = Export<decltype(&KZ_ORLOG7_INTO_DUMP_MODE)>("KZ_ORLOG7_INTO_DUMP_MODE");
            exit = Export<decltype(&KZ_ORLOG7_EXIT_DUMP_MODE)>("KZ_ORLOG7_EXIT_DUMP_MODE");
            info = Export<decltype(&KZ_ORLOG7_READ_DEVICE_INFORMATION)>(
                "KZ_ORLOG7_READ_DEVICE_INFORMATION");
            dump = Export<decltype(&KZ_ORLOG7_DUMP_DB)>("KZ_ORLOG7_DUMP_DB");
        }
    }
    ~Emulator() {
        if (module != nullptr) {
            FreeLibrary(module);
        }
    }
    Emulator(const Emulator&) = delete;
    Emulator& operator=(const Emulator&) = delete;
    bool Ok() const { return into && exit && info && dump; }

    template <typename Fn>
    Fn Export(const char* name) {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }

    HMODULE module;
    decltype(&KZ_ORLOG7_INTO_DUMP_MODE) into = nullptr;
    decltype(&KZ_ORLOG7_EXIT_DUMP_MODE) exit = nullptr;
    decltype(&KZ_ORLOG7_READ_DEVICE_INFORMATION) info = nullptr;
    decltype(&KZ_ORLOG7_DUMP_DB) dump = nullptr;
};

struct Samples {
    std::vector<double> read, copy, entry, reading, dump, catchUp;
};

int Fail(const char* what, int32_t result = 0) {
    std::printf("EmulatorBench: %s (result %d, error %lu)\n", what, static_cast<int>(result),
                GetLastError());
    return 1;
}

void Report(const char* name, double median, double base, const char* baseName, double target) {
    std::printf("%-44s %9.2f ms", name, median);
    if (base > 0) {
        std::printf("  %6.1fx the %s (target <= %.0fx)", median / base, baseName, target);
    } else if (target > 0) {
        std::printf("  (target <= %.0f ms)", target);
    }
    std::printf("\n");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::printf("usage: EmulatorBench ORLOG7_DLL.dll WORK_FOLDER RUNS\n");
        return 2;
    }
    const std::wstring work = argv[2];
    const int runs = std::max(1, _wtoi(argv[3]));
    const std::wstring dll = work + L"\\ORLOG7_DLL.dll";
    const std::wstring statePath = work + L"\\logger.state";
    const std::wstring copyPath = work + L"\\copy.state";
    const std::string dumpPath = Narrow(work + L"\\dump.dat");
    CreateDirectoryW(work.c_str(), nullptr);
    if (!CopyFileW(argv[1], dll.c_str(), FALSE)) {
        return Fail("cannot copy the DLL");
    }
    const std::string ini =
        "[Emulator]\r\nPort=5\r\nTransferDelayMsPerKiB=0\r\nStateFile=" + Narrow(statePath) +
        "\r\n";
    if (!WriteWhole(work + L"\\ORLOG7_DLL.ini", ini.data(), ini.size())) {
        return Fail("cannot write the INI");
    }

    const int64_t now = UnixNow();
    const LoggerState full = FullLogger(now);
    const LoggerState away = FortyDaysAway(now);
    Samples s;
    for (int run = 0; run < runs; ++run) {
        if (!WriteState(statePath, full)) {
            return Fail("cannot write the full state");
        }
        std::vector<uint8_t> bytes;
        s.read.push_back(Timed([&] { ReadWhole(statePath, bytes); }));
        if (bytes.size() != EncodeState(full).size()) {
            return Fail("the state file reads short");
        }
        s.copy.push_back(Timed([&] { CopyFileW(statePath.c_str(), copyPath.c_str(), FALSE); }));
        {
            Emulator emulator(dll);
            if (!emulator.Ok()) {
                return Fail("cannot load the emulator");
            }
            int32_t result = 0;
            s.entry.push_back(Timed([&] { result = emulator.into(kPort); }));
            if (result != 24) {
                return Fail("dump-mode entry", result);
            }
            uint32_t serial = 0;
            char firmware[ORLOG7_FW_VERSION_SIZE];
            char distributor[ORLOG7_DISTRIBUTOR_NAME_SIZE];
            char model[ORLOG7_MODEL_NAME_SIZE];
            s.reading.push_back(Timed(
                [&] { result = emulator.info(kPort, &serial, firmware, distributor, model); }));
            if (result != 29) {
                return Fail("device information", result);
            }
            s.dump.push_back(Timed([&] { result = emulator.dump(kPort, dumpPath.c_str()); }));
            if (result != 2) {
                return Fail("dump", result);
            }
            emulator.exit();
        }
        if (!WriteState(statePath, away)) {
            return Fail("cannot write the state of 40 days ago");
        }
        {
            Emulator emulator(dll);
            int32_t result = 0;
            s.catchUp.push_back(Timed([&] { result = emulator.into(kPort); }));
            if (result != 24) {
                return Fail("dump-mode entry after 40 days", result);
            }
            emulator.exit();
        }
    }

    std::printf("%d runs on a full log (%u fixes, a state file of %u bytes)\n", runs,
                static_cast<unsigned>(kLogCapacityRecords),
                static_cast<unsigned>(EncodeState(full).size()));
    const double read = Median(s.read);
    const double copy = Median(s.copy);
    Report("plain read of the state file", read, 0, "", 0);
    Report("CopyFileW of the state file", copy, 0, "", 0);
    Report("load plus dump-mode entry", Median(s.entry), read, "read", 15);
    Report("one reading export after that", Median(s.reading), read, "read", 3);
    Report("full dump, no transfer delay", Median(s.dump), copy, "copy", 20);
    Report("dump-mode entry after 40 days (3000 m)", Median(s.catchUp), 0, "", 100);
    return 0;
}
