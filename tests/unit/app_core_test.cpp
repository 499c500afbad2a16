#include <gtest/gtest.h>

#include <set>

#include "app/CommandRoutes.h"
#include "app/PortList.h"
#include "res/resource.h"
#include "tests/common/ScriptedLibrary.h"

namespace vantrel {
namespace {

TEST(PortList, BlankThenCom01ToCom99SortingInNumericOrder) {
    EXPECT_EQ(PortListEntry(0), "");
    EXPECT_EQ(PortListEntry(1), "COM01");
    EXPECT_EQ(PortListEntry(9), "COM09");
    EXPECT_EQ(PortListEntry(10), "COM10");
    EXPECT_EQ(PortListEntry(99), "COM99");
    EXPECT_EQ(PortListEntry(kDefaultPortPosition), "COM02");
    // The combo box sorts its entries: sorted order must equal numeric order.
    for (int i = 1; i < kPortListSize; ++i) {
        EXPECT_LT(PortListEntry(i - 1), PortListEntry(i)) << i;
    }
}

TEST(CommandRoutes, EveryButtonHasExactlyOneRoute) {
    const int buttons[] = {IDC_LINK_LIBRARY,
                           IDC_DUMP_LOG,
                           IDC_ERASE_ALL,
                           IDC_SETTING_DEVICE,
                           IDC_READ_DLL_VERSION,
                           IDC_READ_SETTING_VALUE,
                           IDC_INTO_DUMP_MODE,
                           IDC_EXIT_DUMP_MODE,
                           IDC_READ_DEVICE_INFORMATION,
                           IDC_UPGRADE_FIRMWARE,
                           IDC_READ_BIN_FILE_VERSION,
                           IDC_AUTO_INTO_DUMP_MODE,
                           IDC_READ_GPS_TIME,
                           IDC_SETTING_SN,
                           IDC_READ_MEMORY_USED};
    std::set<int> routed;
    std::set<CommandHandler> handlers;
    for (const CommandRoute* r = CommandRoutesBegin(); r != CommandRoutesEnd(); ++r) {
        EXPECT_TRUE(routed.insert(r->controlId).second) << "routed twice: " << r->controlId;
        EXPECT_TRUE(handlers.insert(r->handler).second) << "handler shared: " << r->controlId;
    }
    EXPECT_EQ(routed, std::set<int>(std::begin(buttons), std::end(buttons)));
    // Inputs, outputs and Exit have no route.
    for (int id : {2 /* Exit */, IDC_PORT_SELECTOR, IDC_SERIAL_NUMBER_INPUT, IDC_AUTO_SCAN_PORT}) {
        EXPECT_EQ(FindCommandRoute(id), nullptr) << id;
    }
}

TEST(LinkRoute, FailureShowsAnUnownedResultBox) {
    testing::OperationRig rig;  // its loader finds no library
    FindCommandRoute(IDC_LINK_LIBRARY)->handler(rig.Context());
    ASSERT_EQ(rig.window.events.size(), 1u);
    EXPECT_EQ(rig.window.events[0].text, expected::kCannotLink);
    EXPECT_EQ(rig.window.events[0].caption, expected::kResultCaption);
    EXPECT_EQ(rig.window.events[0].owner, BoxOwner::None);
    EXPECT_FALSE(rig.window.events[0].busy);
}

}  // namespace
}  // namespace vantrel
