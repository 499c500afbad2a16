// How each operation reports its library call: one row per export, applied by
// Report (OperationSteps.h). The table is in OperationRules.cpp.
#ifndef VANTREL_OPERATIONS_OPERATIONRULES_H
#define VANTREL_OPERATIONS_OPERATIONRULES_H

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "devicelib/EntryPoints.h"

namespace vantrel {

// Result codes in the order they are compared.
class CodeList {
public:
    static constexpr std::size_t kCapacity = 16;

    constexpr CodeList() = default;
    // More than kCapacity codes is not a constant: the table stops compiling.
    constexpr CodeList(
        std::initializer_list<int32_t> codes) {  // NOLINT(google-explicit-constructor)
        for (int32_t code : codes) {
            codes_[count_++] = code;
        }
    }

    constexpr const int32_t* begin() const { return codes_; }
    constexpr const int32_t* end() const { return codes_ + count_; }
    bool Contains(int32_t code) const;

private:
    int32_t codes_[kCapacity] = {};
    std::size_t count_ = 0;
};

enum class TakesPort { No, Yes };

// When the success code writes the operation's fields.
enum class Fields {
    Never,      // the operation has none
    BeforeBox,  // the success box opens over the new fields
    AfterBox,   // the fields change once the success box is closed
};

// What a code the row does not list does: never a box, perhaps the fields.
enum class Unlisted { Silent, WritesFields };

struct OperationRule {
    Export entry;
    TakesPort port;     // the port selector's index is the first argument
    CodeList failures;  // each shows its message and nothing else
    int32_t success;    // shows its message, and writes the fields as `fields` says
    Fields fields;
    Unlisted unlisted;
    const char* secondBox;  // shown after the success box, or null
};

const OperationRule& RuleOf(Export entry);

}  // namespace vantrel

#endif
