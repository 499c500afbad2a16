// Links the device library on request and fills the entry-point table.
//
// Linking again repeats everything: the loader counts a second reference,
// the slots are refreshed and the earlier handle is forgotten unreleased.
// A failed link clears the handle and the flag but leaves the slots as they
// were, so operations keep using the library still loaded from before.
// Release frees the library once, and only if the last link succeeded.
#ifndef VANTREL_DEVICELIB_LIBRARYBINDING_H
#define VANTREL_DEVICELIB_LIBRARYBINDING_H

#include "devicelib/EntryPoints.h"
#include "devicelib/ModuleLoader.h"

namespace vantrel {

constexpr const char* kDeviceLibraryFileName = "ORLOG7_DLL.dll";

class LibraryBinding {
public:
    explicit LibraryBinding(ModuleLoader& loader) : loader_(loader) {}

    // True when the library was loaded and the table refreshed.
    bool Link();
    void Release();

    const EntryPointTable& Entries() const { return entries_; }
    EntryPointTable& Entries() { return entries_; }
    bool Linked() const { return linked_; }

private:
    ModuleLoader& loader_;
    ModuleHandle handle_ = nullptr;
    bool linked_ = false;
    EntryPointTable entries_;
};

}  // namespace vantrel

#endif
