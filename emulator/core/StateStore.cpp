#include "StateStore.h"

#include <cstdio>

#include "StateCodec.h"
#include "UtcDate.h"

namespace orlog7emu {

namespace {
// A full log and the fixed fields, with room to spare.
constexpr size_t kMaxStateFileSize = kLogMemoryCapacity + 4096;
// Bad files set aside within one second get a number of their own.
constexpr int kMaxSetAsideTries = 10;
}  // namespace

std::string SetAsidePath(const std::string& path, int64_t now) {
    const UtcDateTime t = ToUtcDateTime(now);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, ".bad-%04d%02d%02dT%02d%02d%02dZ", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return path + stamp;
}

StateFile StateStore::Load(int64_t now, LoggerState& state) const {
    Bytes bytes;
    switch (path_.empty() ? ReadStatus::OpenFailed
                          : fs_.ReadFile(path_, kMaxStateFileSize, bytes)) {
    case ReadStatus::Ok:
        if (DecodeState(bytes, state)) {
            return StateFile::Loaded;
        }
        break;
    case ReadStatus::TooLarge:
        break;
    case ReadStatus::NotFound:
        state = FactoryFreshState(now);
        return StateFile::Missing;
    case ReadStatus::IsDirectory:
    case ReadStatus::OpenFailed:
        return StateFile::Unreadable;
    }
    state = FactoryFreshState(now);
    return StateFile::Invalid;
}

bool StateStore::LoadForChange(int64_t now, LoggerState& state) {
    LoggerState loaded;
    switch (Load(now, loaded)) {
    case StateFile::Unreadable:
        return false;
    case StateFile::Invalid:
        if (!SetAside(now)) {
            return false;
        }
        break;
    case StateFile::Loaded:
    case StateFile::Missing:
        break;
    }
    state = std::move(loaded);
    return true;
}

bool StateStore::SetAside(int64_t now) {
    const std::string aside = SetAsidePath(path_, now);
    for (int n = 1; n <= kMaxSetAsideTries; ++n) {
        if (fs_.RenameFile(path_, n == 1 ? aside : aside + "-" + std::to_string(n))) {
            return true;
        }
    }
    return false;
}

bool StateStore::Save(const LoggerState& state) {
    if (path_.empty()) {
        return false;
    }
    const std::string folder = ParentDirectory(path_);
    if (!folder.empty() && !fs_.CreateDirectories(folder)) {
        return false;
    }
    return fs_.WriteFileAtomic(path_, EncodeState(state));
}

}  // namespace orlog7emu
