// What the library binding needs from the platform's dynamic loader.
#ifndef VANTREL_DEVICELIB_MODULELOADER_H
#define VANTREL_DEVICELIB_MODULELOADER_H

#include "devicelib/EntryPoints.h"

namespace vantrel {

using ModuleHandle = void*;

class ModuleLoader {
public:
    virtual ~ModuleLoader() = default;
    // Loads by file name with the platform's search order; null on failure.
    virtual ModuleHandle Load(const char* fileName) = 0;
    // Looks up an export by name; null when the module lacks it.
    virtual AnyFunction Lookup(ModuleHandle module, const char* exportName) = 0;
    virtual void Release(ModuleHandle module) = 0;
};

// The loader of the running platform (LoadLibrary/GetProcAddress/FreeLibrary).
ModuleLoader& SystemModuleLoader();

}  // namespace vantrel

#endif
