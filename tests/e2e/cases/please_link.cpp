// Before linking, every operation button answers "Please link library" and
// the library is neither loaded nor called (it sits beside the program).
#include "AppSession.h"
#include "OperationButtons.h"
#include "Text.h"

E2E_CASE(please_link, every_operation_before_linking) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    for (const e2e::OperationButton& button : e2e::kOperationButtons) {
        if (button.serialText != nullptr)
            app.SetFieldText(1026, e2e::Widen(button.serialText));
        app.ExpectResultBox(button.id, expected::kResultCaption, expected::kPleaseLink,
                            std::string("button ") + std::to_string(button.id));
    }
    ctx.ExpectEq(app.Fake().All().size(), 0u, "library events");
}
