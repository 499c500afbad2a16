#include "devicelib/LibraryBinding.h"

namespace vantrel {

bool LibraryBinding::Link() {
    handle_ = loader_.Load(kDeviceLibraryFileName);
    linked_ = false;
    if (handle_ == nullptr) {
        return false;
    }
    linked_ = true;
    for (std::size_t i = 0; i < kExportCount; ++i) {
        entries_.SetSlot(static_cast<Export>(i), loader_.Lookup(handle_, kExportNames[i]));
    }
    return true;
}

void LibraryBinding::Release() {
    if (linked_) {
        loader_.Release(handle_);
    }
}

}  // namespace vantrel
