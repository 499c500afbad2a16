// The routing table of the main window: which handler a button's click runs.
#ifndef VANTREL_APP_COMMANDROUTES_H
#define VANTREL_APP_COMMANDROUTES_H

#include "operations/Operations.h"

namespace vantrel {

using CommandHandler = void (*)(const OperationContext&);

struct CommandRoute {
    int controlId;
    CommandHandler handler;
};

// The route of a control, or null for a control with none.
const CommandRoute* FindCommandRoute(int controlId);

const CommandRoute* CommandRoutesBegin();
const CommandRoute* CommandRoutesEnd();

}  // namespace vantrel

#endif
