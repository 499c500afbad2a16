// The texts the operations show: one per library result code, and the few
// texts of the tool's own.
#ifndef VANTREL_OPERATIONS_RESULTMESSAGES_H
#define VANTREL_OPERATIONS_RESULTMESSAGES_H

#include <cstdint>

namespace vantrel {

constexpr const char* kResultCaption = "API-return";
constexpr const char* kInfoCaption = "Info";

constexpr const char* kPleaseLinkLibrary = "Please link library";
constexpr const char* kCanNotLinkLibrary = "Can not link library";
constexpr const char* kUpgradeFinished = "F/W Upgrade Finish,Please Remove USB Cable";
constexpr const char* kSerialNumberError = "'nSerial Number' error, Try again";

struct ResultMessage {
    int32_t code;
    const char* text;
};

// The message of a library result code, or null for a code without one.
const char* ResultMessageText(int32_t code);

// Every code that has a message, in ascending order.
const ResultMessage* ResultMessagesBegin();
const ResultMessage* ResultMessagesEnd();

}  // namespace vantrel

#endif
