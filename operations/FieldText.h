// Output-field texts built from a layout row: the text before the value, the
// value, the text after it.
#ifndef VANTREL_OPERATIONS_FIELDTEXT_H
#define VANTREL_OPERATIONS_FIELDTEXT_H

#include <cstddef>
#include <string>
#include <vector>

#include "OperationWindow.h"

namespace vantrel {

// One row of a field layout.
struct FieldLayout {
    int controlId;
    const char* before;
    const char* after;
};

// A finished text for one output field.
struct FieldText {
    int controlId;
    std::string text;
};

inline bool operator==(const FieldText& a, const FieldText& b) {
    return a.controlId == b.controlId && a.text == b.text;
}

// Joins each row with its value, keeping the rows' order.
template <std::size_t N>
std::vector<FieldText> LayOutFields(const FieldLayout (&rows)[N], const std::string (&values)[N]) {
    std::vector<FieldText> fields;
    fields.reserve(N);
    for (std::size_t i = 0; i < N; ++i) {
        fields.push_back({rows[i].controlId, rows[i].before + values[i] + rows[i].after});
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
