#include <gtest/gtest.h>

#include "tests/common/ScriptedLibrary.h"

namespace vantrel {
namespace testing {
namespace {

using Boxes = std::vector<std::string>;
const std::string kSuccess = expected::MessageOf(41);

class SerialNumberOperation : public ::testing::Test {
protected:
    void SetUp() override { rig.Link().result = 41; }
    void Run(const std::string& text, int32_t result = 41) {
        rig.window.events.clear();
        rig.window.serialNumberText = text;
        Script().result = result;
        SetSerialNumber(rig.Context());
    }
    OperationRig rig;
};

TEST_F(SerialNumberOperation, TextsThatReachTheLibrary) {
    const std::pair<std::string, uint32_t> cases[] = {
        {"0", 0u},
        {"4294967295", 4294967295u},
        {"007", 7u},
        {std::string(30, '0') + "42", 42u},
        {std::string(33, '0') + "123456", 123456u},  // 39 characters
    };
    for (const auto& c : cases) {
        const std::size_t callsBefore = Calls().size();
        Run(c.first);
        EXPECT_EQ(Calls().size(), callsBefore + 1) << c.first;
        EXPECT_EQ(Calls().back().serialNumber, c.second) << c.first;
        EXPECT_EQ(rig.window.Boxes(), Boxes{kSuccess}) << c.first;
    }
}

// Refused with the "Info" box, before the library is asked.
TEST_F(SerialNumberOperation, TextsThatAreRefused) {
    const std::string cases[] = {
        "",
        " 42",
        "1,000",
        "4294967296",
        "\xEF\xBC\x91",  // full-width 1, UTF-8
        // Longer than 39 characters: refused whole, never cut to a different number.
        std::string(39, '0') + "123456",
        std::string(40, '0'),
        std::string(38, '0') + "42",
    };
    for (const std::string& text : cases) {
        Run(text);
        ASSERT_EQ(rig.window.events.size(), 2u) << text;  // the field read, then the box
        EXPECT_EQ(rig.window.events[0].kind, WindowEvent::SerialRead);
        const WindowEvent& box = rig.window.events[1];
        EXPECT_EQ(box.kind, WindowEvent::Box);
        EXPECT_EQ(box.text, expected::kSerialRefused);
        EXPECT_EQ(box.caption, expected::kSerialRefusedCaption);
        EXPECT_EQ(box.owner, BoxOwner::MainWindow);
    }
    EXPECT_TRUE(Calls().empty());
}

TEST_F(SerialNumberOperation, TextIsCheckedBeforeTheEntryPoint) {
    OperationRig empty;
    const std::string refused = expected::kSerialRefused;
    for (auto [text, box] : {std::pair<std::string, std::string>{"", refused},
                             {"12a", refused},
                             {"12", expected::kPleaseLink}}) {
        empty.window.events.clear();
        empty.window.serialNumberText = text;
        SetSerialNumber(empty.Context());
        EXPECT_EQ(empty.window.Boxes(), Boxes{box}) << text;
    }
    EXPECT_TRUE(Calls().empty());
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
