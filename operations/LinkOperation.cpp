#include "operations/Operations.h"

namespace vantrel {

void LinkDeviceLibrary(const OperationContext& ctx) {
    bool linked = false;
    {
        BusyScope busy(ctx.window);
        linked = ctx.library.Link();
    }
    if (!linked) {
        // Shown without an owner window, unlike every other result box.
        ctx.window.ShowMessage(kCanNotLinkLibrary, kResultCaption, BoxOwner::None);
    }
}

}  // namespace vantrel
