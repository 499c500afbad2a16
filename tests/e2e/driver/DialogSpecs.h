// The two dialogs as the user must see them: every control in tab order,
// with kind, style, text and place in dialog units. The layout and about
// groups check them control for control; the screens group measures them.
#ifndef VANTREL_TESTS_E2E_DIALOGSPECS_H
#define VANTREL_TESTS_E2E_DIALOGSPECS_H

#include "DialogLayout.h"

namespace e2e {

const DialogSpec& MainWindowSpec();
const DialogSpec& AboutBoxSpec();

}  // namespace e2e

#endif
