#include <gtest/gtest.h>

#include <string>

#include "operations/ResultMessages.h"

namespace vantrel {
namespace {

TEST(ResultMessages, CoverCodes2To48EachLedByItsNumberButTheDump) {
    int count = 0;
    for (const ResultMessage* m = ResultMessagesBegin(); m != ResultMessagesEnd(); ++m, ++count) {
        EXPECT_EQ(m->code, count + 2);
        const std::string text = m->text;
        if (m->code == 2) {
            EXPECT_EQ(text, "return_dump_db_successful");
        } else {
            EXPECT_EQ(text.rfind(std::to_string(m->code) + " return_", 0), 0u) << text;
        }
    }
    EXPECT_EQ(count, 47);
    EXPECT_EQ(ResultMessageText(1), nullptr);
    EXPECT_EQ(ResultMessageText(49), nullptr);
    EXPECT_EQ(ResultMessageText(-1), nullptr);
}

TEST(ResultMessages, TextsWithIrregularSpellingStayAsTheLibraryDocumentsThem) {
    EXPECT_STREQ(ResultMessageText(21), "21 return_read_dll_version__successful");
    EXPECT_STREQ(ResultMessageText(43), "43 return_user_point_data_errer");
    EXPECT_STREQ(ResultMessageText(44), "44 return_Into_Idle_Timer_over_rang_error");
    EXPECT_STREQ(ResultMessageText(3), "3 return_open_com_port_Error");
}

}  // namespace
}  // namespace vantrel
