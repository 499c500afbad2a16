// The steps every operation handler shares: find its entry point, read the
// port, call the library with the window marked busy, and report the result
// as the operation's rule row says.
#ifndef VANTREL_OPERATIONS_OPERATIONSTEPS_H
#define VANTREL_OPERATIONS_OPERATIONSTEPS_H

#include <cstdint>
#include <string>
#include <vector>

#include "devicelib/EntryPoints.h"
#include "devicelib/LibraryBinding.h"
#include "operations/FieldText.h"
#include "operations/OperationRules.h"
#include "operations/OperationWindow.h"
#include "operations/ResultMessages.h"

namespace vantrel {

// What a handler works with: the window, and the process-wide library binding
// whose entry-point table it calls through.
struct OperationContext {
    OperationWindow& window;
    LibraryBinding& library;

    const EntryPointTable& Entries() const { return library.Entries(); }
};

// A result box: owned by the main window, caption "API-return".
void ShowResult(OperationWindow& window, const std::string& text);

// The report of one call, applying `rule` to `result`: a failure shows its
// message; the success shows its message, writes `fields` before or after
// it, and shows the second box if any; any other code shows nothing and
// writes `fields` only if the rule says so.
void Report(OperationWindow& window, const OperationRule& rule, int32_t result,
            const std::vector<FieldText>& fields);

// The port index passed to the library: the low 8 bits of the selector's
// position, so no selection (-1) gives 255.
uint8_t ReadPortIndex(OperationWindow& window);

// The operation's entry point, or null after showing "Please link library".
template <Export E>
typename ExportTraits<E>::Function RequireEntryPoint(const OperationContext& ctx) {
    auto function = ctx.Entries().Get<E>();
    if (function == nullptr) {
        ShowResult(ctx.window, kPleaseLinkLibrary);
    }
    return function;
}

// Keeps the wait cursor up for the life of the scope.
class BusyScope {
public:
    explicit BusyScope(OperationWindow& window) : window_(window) { window_.BeginBusy(); }
    ~BusyScope() { window_.EndBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    OperationWindow& window_;
};

// Runs one library call with the window marked busy and returns its code.
template <typename Call>
int32_t CallLibrary(OperationWindow& window, Call&& call) {
    BusyScope busy(window);
    return call();
}

// One operation from click to report. `call(function, port)`, or
// `call(function)` when the row says the export takes no port, calls the
// export; `fields()` turns the outputs into the field texts once it returned.
template <Export E, typename Call, typename MakeFields>
void RunOperation(const OperationContext& ctx, Call&& call, MakeFields&& fields) {
    constexpr const OperationRule& rule = RuleOf(E);
    auto function = RequireEntryPoint<E>(ctx);
    if (function == nullptr) {
        return;
    }
    int32_t result = 0;
    if constexpr (rule.port == TakesPort::Yes) {
        const uint8_t port = ReadPortIndex(ctx.window);
        result = CallLibrary(ctx.window, [&] { return call(function, port); });
    } else {
        result = CallLibrary(ctx.window, [&] { return call(function); });
    }
    Report(ctx.window, rule, result, fields());
}

// An operation without fields.
template <Export E, typename Call>
void RunOperation(const OperationContext& ctx, Call&& call) {
    RunOperation<E>(ctx, call, [] { return std::vector<FieldText>(); });
}

}  // namespace vantrel

#endif
