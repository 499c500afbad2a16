#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "app/LayoutChoice.h"
#include "app/ReferenceReadouts.h"

namespace vantrel {
namespace {

// A screen where each (face, points) measures as given; anything else does
// not fit (a face that is not installed) and is as large as the largest.
struct FakeScreen {
    std::map<std::pair<std::string, int>, FontTrial> trials;
    std::vector<DialogFont> tried;

    FontTrial operator()(const DialogFont& font) {
        tried.push_back(font);
        const auto found = trials.find({font.face, font.points});
        return found != trials.end() ? found->second : FontTrial{false, {2000, 2000}};
    }
};

const PixelSize kLaptop{1366, 720};
const FontTrial kWholeSmall{true, {1000, 700}};
const FontTrial kWholeLarge{true, {1121, 874}};
const FontTrial kCut{false, {1000, 700}};

LayoutChoice Choose(FakeScreen& screen, const std::vector<std::string>& faces) {
    return ChooseLayout(
        faces, [&screen](const DialogFont& font) { return screen(font); }, kLaptop);
}

TEST(LayoutChoice, TheTemplateFaceAtNinePointWhereItFitsAndNothingElseIsMeasured) {
    FakeScreen screen;
    screen.trials[{"Ming", 9}] = kWholeSmall;
    const LayoutChoice choice = Choose(screen, {"Ming", "Serif"});
    EXPECT_EQ(choice.font, (DialogFont{"Ming", 9}));
    EXPECT_FALSE(choice.scrolls);
    EXPECT_EQ(screen.tried.size(), 1u);
}

TEST(LayoutChoice, ASmallerSizeBeforeScrollingButNotBelowEightPoint) {
    FakeScreen shrinks;
    shrinks.trials[{"Ming", 9}] = kWholeLarge;
    shrinks.trials[{"Ming", 8}] = kWholeSmall;
    EXPECT_EQ(Choose(shrinks, {"Ming"}).font, (DialogFont{"Ming", 8}));
    EXPECT_FALSE(Choose(shrinks, {"Ming"}).scrolls);

    FakeScreen scrolls;  // too large at both sizes: the smaller one, scrolling
    scrolls.trials[{"Ming", 9}] = kWholeLarge;
    scrolls.trials[{"Ming", 8}] = kWholeLarge;
    const LayoutChoice choice = Choose(scrolls, {"Ming"});
    EXPECT_EQ(choice.font, (DialogFont{"Ming", 8}));
    EXPECT_TRUE(choice.scrolls);
    for (const DialogFont& font : scrolls.tried) {
        EXPECT_GE(font.points, kSmallestPoints);
    }

    FakeScreen cutSmaller;  // 8 point cuts a text: 9 point, scrolling
    cutSmaller.trials[{"Ming", 9}] = kWholeLarge;
    cutSmaller.trials[{"Ming", 8}] = kCut;
    EXPECT_EQ(Choose(cutSmaller, {"Ming"}).font, (DialogFont{"Ming", 9}));
    EXPECT_TRUE(Choose(cutSmaller, {"Ming"}).scrolls);
}

TEST(LayoutChoice, TheNextFaceWhereTheTemplateFaceIsMissingOrCutsAText) {
    FakeScreen screen;  // "Ming" is not installed; "Mono" cuts at both sizes
    screen.trials[{"Mono", 9}] = kCut;
    screen.trials[{"Mono", 8}] = kCut;
    screen.trials[{"Serif", 9}] = kWholeLarge;
    screen.trials[{"Serif", 8}] = kWholeSmall;
    screen.trials[{"Sans", 9}] = kWholeSmall;
    const LayoutChoice choice = Choose(screen, {"Ming", "Mono", "Serif", "Sans"});
    EXPECT_EQ(choice.font, (DialogFont{"Serif", 8}));
    EXPECT_FALSE(choice.scrolls);
}

TEST(LayoutChoice, WhereNoFaceShowsEveryTextTheFirstAtNinePoint) {
    FakeScreen screen;
    screen.trials[{"Mono", 9}] = kCut;
    EXPECT_EQ(Choose(screen, {"Mono", "Ming"}).font, (DialogFont{"Mono", 9}));
    EXPECT_FALSE(Choose(screen, {"Mono", "Ming"}).scrolls);
    screen.trials[{"Mono", 9}] = FontTrial{false, {1121, 874}};
    EXPECT_TRUE(Choose(screen, {"Mono", "Ming"}).scrolls);
    EXPECT_TRUE(Choose(screen, {}).font.face.empty());
}

TEST(ReferenceReadouts, MeasureEveryOutputFieldOfTheMainWindow) {
    std::set<int> fields;
    for (const FieldText& readout : ReferenceReadouts()) {
        fields.insert(readout.controlId);
    }
    const std::set<int> outputs = {1008, 1009, 1010, 1011, 1012, 1016, 1017, 1020, 1021, 1023,
                                   1025, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 1036,
                                   1037, 1038, 1040, 1041, 1042, 1043, 1044, 1045, 1046};
    EXPECT_EQ(fields, outputs);
}

}  // namespace
}  // namespace vantrel
