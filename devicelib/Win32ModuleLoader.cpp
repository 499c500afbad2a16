#include <windows.h>

#include "devicelib/ModuleLoader.h"

namespace vantrel {
namespace {

class Win32ModuleLoader final : public ModuleLoader {
public:
    ModuleHandle Load(const char* fileName) override { return LoadLibraryA(fileName); }

    AnyFunction Lookup(ModuleHandle module, const char* exportName) override {
        return reinterpret_cast<AnyFunction>(
            GetProcAddress(static_cast<HMODULE>(module), exportName));
    }

    void Release(ModuleHandle module) override { FreeLibrary(static_cast<HMODULE>(module)); }
};

}  // namespace

ModuleLoader& SystemModuleLoader() {
    static Win32ModuleLoader loader;
    return loader;
}

}  // namespace vantrel
