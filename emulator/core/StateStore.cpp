#include "StateStore.h"

#include <cstdio>

#include "StateCodec.h"
#include "UtcDate.h"

namespace orlog7emu {

namespace {
// A full log and the fixed fields, with room to spare.
constexpr size_t kMaxStateFileSize = kLogMemoryCapacity + 4096;
}  // namespace

std::string SetAsidePath(const std::string& path, int64_t now) {
    const UtcDateTime t = ToUtcDateTime(now);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, ".bad-%04d%02d%02dT%02d%02d%02dZ", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return path + stamp;
}

const LoggerState* StateStore::Load(int64_t now, StateFile* status) {
    StateFile found = StateFile::Invalid;
    FileStamp stamp;
    if (path_.empty()) {
        found = StateFile::Unreadable;
    } else if (kept_ && fs_.Stamp(path_, stamp) == ReadStatus::Ok && stamp == stamp_) {
        found = StateFile::Loaded;
    } else {
        kept_ = false;
        Bytes bytes;
        switch (fs_.ReadFile(path_, kMaxStateFileSize, bytes, &stamp_)) {
        case ReadStatus::Ok:
            kept_ = DecodeState(bytes, state_);
            found = kept_ ? StateFile::Loaded : StateFile::Invalid;
            break;
        case ReadStatus::TooLarge:
            break;
        case ReadStatus::NotFound:
            found = StateFile::Missing;
            break;
        case ReadStatus::VolumeAway:
        case ReadStatus::IsDirectory:
        case ReadStatus::OpenFailed:
            found = StateFile::Unreadable;
            break;
        }
        if (found == StateFile::Missing || found == StateFile::Invalid) {
            state_ = FactoryFreshState(now);
        }
    }
    if (status != nullptr) {
        *status = found;
    }
    return found == StateFile::Unreadable ? nullptr : &state_;
}

LoggerState* StateStore::LoadForChange(int64_t now) {
    StateFile status = StateFile::Unreadable;
    Load(now, &status);
    switch (status) {
    case StateFile::Unreadable:
        return nullptr;
    case StateFile::Invalid:
        if (!SetAside(now)) {
            return nullptr;
        }
        break;
    case StateFile::Loaded:
    case StateFile::Missing:
        break;
    }
    // Under the state lock no save of another program is under way.
    fs_.RemoveLeftoverTemporaries(ParentDirectory(path_));
    return &state_;
}

// Numbered after the first, for as many bad files as come in one second.
bool StateStore::SetAside(int64_t now) {
    const std::string aside = SetAsidePath(path_, now);
    for (uint32_t n = 1; n != 0; ++n) {
        switch (fs_.RenameFile(path_, n == 1 ? aside : aside + "-" + std::to_string(n))) {
        case RenameStatus::Done:
            return true;
        case RenameStatus::TargetExists:
            break;
        case RenameStatus::Failed:
            return false;
        }
    }
    return false;
}

bool StateStore::Save(const LoggerState& state) {
    kept_ = false;
    if (path_.empty()) {
        return false;
    }
    const std::string folder = ParentDirectory(path_);
    if (!folder.empty() && !fs_.CreateDirectories(folder)) {
        return false;
    }
    if (!fs_.WriteFileAtomic(path_, EncodeState(state))) {
        return false;
    }
    if (&state != &state_) {
        state_ = state;
    }
    kept_ = fs_.Stamp(path_, stamp_) == ReadStatus::Ok;
    return true;
}

}  // namespace orlog7emu
