#include "StateStore.h"

#include "StateCodec.h"

namespace orlog7emu {

namespace {
// A full log and the fixed fields, with room to spare.
constexpr size_t kMaxStateFileSize = kLogMemoryCapacity + 4096;
}  // namespace

LoggerState StateStore::Load(int64_t now) const {
    Bytes bytes;
    LoggerState state;
    if (!path_.empty() && fs_.ReadFile(path_, kMaxStateFileSize, bytes) == ReadStatus::Ok &&
        DecodeState(bytes, state)) {
        return state;
    }
    return FactoryFreshState(now);
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
