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

    const char* ExportName() const { return expected::OperationOf(id).exportName; }
    const char* ListedText() const { return expected::MessageOf(listedCode); }
};

constexpr OperationButton kOperationButtons[] = {
    {1002, 2, nullptr},  {1003, 13, nullptr}, {1004, 14, nullptr}, {1006, 21, nullptr},
    {1007, 22, nullptr}, {1013, 24, nullptr}, {1014, 25, nullptr}, {1015, 26, nullptr},
    {1018, 26, nullptr}, {1019, 32, nullptr}, {1022, 4, nullptr},  {1024, 26, nullptr},
    {1027, 42, "123"},   {1039, 26, nullptr},
};

}  // namespace e2e

#endif
