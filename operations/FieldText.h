// Output-field texts. Every readout describes its fields with one row shape,
// {control, prefix, value, suffix}; the field shows prefix + value + suffix.
#ifndef VANTREL_OPERATIONS_FIELDTEXT_H
#define VANTREL_OPERATIONS_FIELDTEXT_H

#include <initializer_list>
#include <string>
#include <vector>

#include "operations/OperationWindow.h"

namespace vantrel {

// One field of a readout. `Value` is the value's text, or in a table written
// before any reading (the settings), the getter that gives it.
template <typename Value = std::string>
struct FieldRow {
    int controlId;
    const char* prefix;
    Value value;
    const char* suffix;
};

// A finished text for one output field.
struct FieldText {
    int controlId;
    std::string text;
};

inline bool operator==(const FieldText& a, const FieldText& b) {
    return a.controlId == b.controlId && a.text == b.text;
}

inline FieldText ComposeField(const FieldRow<>& row) {
    return {row.controlId, row.prefix + row.value + row.suffix};
}

// The rows' texts, in the rows' order.
inline std::vector<FieldText> ComposeFields(std::initializer_list<FieldRow<>> rows) {
    std::vector<FieldText> fields;
    fields.reserve(rows.size());
    for (const FieldRow<>& row : rows) {
        fields.push_back(ComposeField(row));
    }
    return fields;
}

// Writes the fields in the order given.
inline void WriteFields(OperationWindow& window, const std::vector<FieldText>& fields) {
    for (const FieldText& field : fields) {
        window.SetFieldText(field.controlId, field.text);
    }
}

}  // namespace vantrel

#endif
