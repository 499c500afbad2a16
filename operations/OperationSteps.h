// The steps every operation handler shares: find its entry point, read the
// port, call the library with the window marked busy, and show the message of
// the first listed code that matches the result.
#ifndef VANTREL_OPERATIONS_OPERATIONSTEPS_H
#define VANTREL_OPERATIONS_OPERATIONSTEPS_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "../devicelib/EntryPoints.h"
#include "../devicelib/LibraryBinding.h"
#include "OperationWindow.h"
#include "ResultMessages.h"

namespace vantrel {

// What a handler works with: the window, and the process-wide library binding
// whose entry-point table it calls through.
struct OperationContext {
    OperationWindow& window;
    LibraryBinding& library;

    const EntryPointTable& Entries() const { return library.Entries(); }
};

// The result codes an operation reacts to, in the order they are compared.
class CodeList {
public:
    template <std::size_t N>
    constexpr CodeList(const int32_t (&codes)[N])
        : codes_(codes), count_(N) {}  // NOLINT(google-explicit-constructor)

    const int32_t* begin() const { return codes_; }
    const int32_t* end() const { return codes_ + count_; }
    bool Contains(int32_t code) const;

private:
    const int32_t* codes_;
    std::size_t count_;
};

// A result box: owned by the main window, caption "API-return".
void ShowResult(OperationWindow& window, const std::string& text);

// Shows the message of `result` if the list names it; true when it did.
bool ShowListedResult(OperationWindow& window, CodeList listed, int32_t result);

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

}  // namespace vantrel

#endif
