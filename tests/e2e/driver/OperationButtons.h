// Every operation button of the main window with one code the operation
// shows with a single box, for the cases that walk all of them (before
// linking, with a library that exports only some names).
#ifndef VANTREL_TESTS_E2E_OPERATIONBUTTONS_H
#define VANTREL_TESTS_E2E_OPERATIONBUTTONS_H

#include "tests/common/ExpectedResults.h"

namespace e2e {

struct OperationButton {
    int id;
    int listedCode;
    const char* serialText;  // typed into field 1026 first, or nullptr
    bool checked;            // false: the operation is not built yet; skip it

    const char* ExportName() const { return expected::OperationOf(id).exportName; }
    const char* ListedText() const { return expected::MessageOf(listedCode); }
};

constexpr OperationButton kOperationButtons[] = {
    {1002, 2, nullptr, true},  {1003, 13, nullptr, true}, {1004, 14, nullptr, true},
    {1006, 21, nullptr, true}, {1007, 22, nullptr, true}, {1013, 24, nullptr, true},
    {1014, 25, nullptr, true}, {1015, 26, nullptr, true}, {1018, 26, nullptr, true},
    {1019, 32, nullptr, true}, {1022, 4, nullptr, true},  {1024, 26, nullptr, true},
    {1027, 42, "123", true},   {1039, 26, nullptr, true},
};

}  // namespace e2e

#endif
