#include <gtest/gtest.h>

#include <string>

#include "operations/ResultMessages.h"
#include "tests/common/ExpectedResults.h"

namespace vantrel {
namespace {

// Codes 2 to 48 in order, each with the oracle's text (irregular spellings
// included), every one but the dump's led by its number; no other code has one.
TEST(ResultMessages, AreTheOraclesForCodes2To48) {
    int count = 0;
    for (const ResultMessage* m = ResultMessagesBegin(); m != ResultMessagesEnd(); ++m, ++count) {
        EXPECT_EQ(m->code, count + 2);
        const std::string text = m->text;
        if (m->code != 2) {
            EXPECT_EQ(text.rfind(std::to_string(m->code) + " return_", 0), 0u) << text;
        }
    }
    EXPECT_EQ(count, 47);
    for (int32_t code : expected::SweepCodes()) {
        const char* message = expected::MessageOf(code);
        if (message == nullptr) {
            EXPECT_EQ(ResultMessageText(code), nullptr) << code;
        } else {
            EXPECT_STREQ(ResultMessageText(code), message) << code;
        }
    }
}

}  // namespace
}  // namespace vantrel
