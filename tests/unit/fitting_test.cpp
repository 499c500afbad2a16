#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/ReferenceReadouts.h"
#include "app/fitting/DialogTemplate.h"
#include "app/fitting/FontChoice.h"

namespace vantrel {
namespace {

// A screen where each (face, points) measures as given; anything else does
// not fit (a face that is not installed) and is as large as the largest.
struct FakeScreen {
    std::map<std::pair<std::wstring, int>, FontTrial> trials;
    std::vector<DialogFont> tried;

    FontTrial operator()(const DialogFont& font) {
        tried.push_back(font);
        const auto found = trials.find({font.face, font.points});
        return found != trials.end() ? found->second : FontTrial{false, {2000, 2000}, {}, {}};
    }
};

const PixelSize kLaptop{1366, 720};
const FontTrial kWholeSmall{true, {1000, 700}, {}, {}};
const FontTrial kWholeLarge{true, {1121, 874}, {}, {}};
const FontTrial kCut{false, {1000, 700}, {}, {}};

FontChoice Choose(FakeScreen& screen, const std::vector<std::wstring>& faces) {
    return ChooseDialogFont(
        faces, [&screen](const DialogFont& font) { return screen(font); }, kLaptop);
}

TEST(FontChoice, TheTemplateFaceAtNinePointWhereItFitsAndNothingElseIsMeasured) {
    FakeScreen screen;
    screen.trials[{L"Ming", 9}] = kWholeSmall;
    EXPECT_EQ(Choose(screen, {L"Ming", L"Serif"}).font, (DialogFont{L"Ming", 9}));
    EXPECT_EQ(screen.tried.size(), 1u);
}

TEST(FontChoice, ASmallerSizeBeforeScrollingButNotBelowEightPoint) {
    FakeScreen shrinks;
    shrinks.trials[{L"Ming", 9}] = kWholeLarge;
    shrinks.trials[{L"Ming", 8}] = kWholeSmall;
    EXPECT_EQ(Choose(shrinks, {L"Ming"}).font, (DialogFont{L"Ming", 8}));

    FakeScreen scrolls;  // too large at both sizes: the smaller one, scrolling
    scrolls.trials[{L"Ming", 9}] = kWholeLarge;
    scrolls.trials[{L"Ming", 8}] = kWholeLarge;
    EXPECT_EQ(Choose(scrolls, {L"Ming"}).font, (DialogFont{L"Ming", 8}));
    for (const DialogFont& font : scrolls.tried) {
        EXPECT_GE(font.points, 8);
    }

    FakeScreen cutSmaller;  // 8 point cuts a text: 9 point, scrolling
    cutSmaller.trials[{L"Ming", 9}] = kWholeLarge;
    cutSmaller.trials[{L"Ming", 8}] = kCut;
    EXPECT_EQ(Choose(cutSmaller, {L"Ming"}).font, (DialogFont{L"Ming", 9}));
}

TEST(FontChoice, TheNextFaceWhereTheTemplateFaceIsMissingOrCutsAText) {
    FakeScreen screen;  // "Ming" is not installed; "Mono" cuts at both sizes
    screen.trials[{L"Mono", 9}] = kCut;
    screen.trials[{L"Mono", 8}] = kCut;
    screen.trials[{L"Serif", 9}] = kWholeLarge;
    screen.trials[{L"Serif", 8}] = kWholeSmall;
    screen.trials[{L"Serif", 8}].controlFaces = {{1, 3, L"PMingLiU"}};
    screen.trials[{L"Sans", 9}] = kWholeSmall;
    const FontChoice choice = Choose(screen, {L"Ming", L"Mono", L"Serif", L"Sans"});
    EXPECT_EQ(choice.font, (DialogFont{L"Serif", 8}));
    ASSERT_EQ(choice.controlFaces.size(), 1u);  // the winning trial's own faces
    EXPECT_EQ(choice.controlFaces[0].face, L"PMingLiU");
}

// Base units round differently at each size: a text a hair too wide for
// its field at 9 and 8 point can fit at a larger one.
TEST(FontChoice, ALargerSizeBeforeACutTextThenTheFirstAtNinePointEachTriedOnce) {
    FakeScreen larger;
    larger.trials[{L"Serif", 11}] = kWholeLarge;
    larger.trials[{L"Serif", 12}] = kWholeLarge;
    EXPECT_EQ(Choose(larger, {L"Ming", L"Serif"}).font, (DialogFont{L"Serif", 11}));

    FakeScreen screen;
    screen.trials[{L"Mono", 9}] = kCut;
    screen.trials[{L"Mono", 9}].controlFaces = {{0, 0, L"PMingLiU"}};
    const FontChoice choice = Choose(screen, {L"Mono", L"Ming"});
    EXPECT_EQ(choice.font, (DialogFont{L"Mono", 9}));
    EXPECT_EQ(choice.controlFaces.size(), 1u);
    EXPECT_EQ(screen.tried.size(), 18u);  // each font once, no last-resort trial
    EXPECT_TRUE(Choose(screen, {}).font.face.empty());
}

// A DIALOGEX template: header, no menu or class, an empty caption, the font,
// then `items` push buttons with a text and no creation data.
struct TemplateBytes {
    std::vector<uint8_t> bytes;

    void Word(uint32_t value) {
        bytes.push_back(static_cast<uint8_t>(value & 0xFF));
        bytes.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
    }
    void Dword(uint32_t value) {
        Word(value & 0xFFFF);
        Word(value >> 16);
    }
    void Text(const std::wstring& text) {
        for (wchar_t ch : text) {
            Word(static_cast<uint32_t>(ch));
        }
        Word(0);
    }
    void Align() { bytes.resize((bytes.size() + 3) & ~std::size_t{3}); }

    TemplateBytes(int items, const std::wstring& face) {
        Word(1), Word(0xFFFF), Dword(0), Dword(0), Dword(0x40 /* DS_SETFONT */), Word(items);
        Word(0), Word(0), Word(200), Word(100);  // x, y, cx, cy
        Word(0), Word(0), Text(L"");             // menu, class, caption
        Word(9), Word(400), Word(0x0100 /* italic 0, charset 1 */), Text(face);
        for (int i = 0; i < items; ++i) {
            Align();
            Dword(0), Dword(0), Dword(0x50010000), Word(7), Word(8), Word(50), Word(14);
            Dword(1000 + i), Word(0xFFFF), Word(0x0080), Text(L"OK"), Word(0);
        }
    }
};

TEST(DialogTemplate, ReadsItemsAndCopiesWithAnotherFontThatReadsTheSame) {
    const TemplateBytes source(2, L"Ming");
    const DialogTemplate dialog(source.bytes.data(), source.bytes.size());
    ASSERT_TRUE(dialog.Valid());
    EXPECT_EQ(dialog.Font(), (DialogFont{L"Ming", 9}));
    ASSERT_EQ(dialog.Items().size(), 2u);
    EXPECT_EQ(dialog.Items()[1].className, L"Button");
    EXPECT_EQ(dialog.Items()[1].id, 1001);
    EXPECT_EQ(dialog.Items()[1].cy, 14);

    const std::vector<uint32_t> copy = dialog.WithFont(L"Serif", 8);
    const DialogTemplate fitted(reinterpret_cast<const uint8_t*>(copy.data()), copy.size() * 4);
    ASSERT_TRUE(fitted.Valid());
    EXPECT_EQ(fitted.Font(), (DialogFont{L"Serif", 8}));
    ASSERT_EQ(fitted.Items().size(), 2u);
    EXPECT_EQ(fitted.Items()[1].text, L"OK");
    EXPECT_EQ(fitted.Width(), 200);
}

// The bytes end right after an odd-length face name: aligning for the next
// item or for the copy's items must not step past them.
TEST(DialogTemplate, EndingAfterAnOddLengthFaceNameIsReadWithinItsBytes) {
    TemplateBytes oneItem(0, L"X");
    oneItem.bytes[16] = 1;  // claims an item it does not have
    EXPECT_FALSE(DialogTemplate(oneItem.bytes.data(), oneItem.bytes.size()).Valid());

    const TemplateBytes noItems(0, L"X");
    const DialogTemplate empty(noItems.bytes.data(), noItems.bytes.size());
    ASSERT_TRUE(empty.Valid());
    const std::vector<uint32_t> copy = empty.WithFont(L"Serif", 8);
    const DialogTemplate fitted(reinterpret_cast<const uint8_t*>(copy.data()), copy.size() * 4);
    EXPECT_TRUE(fitted.Valid());
    EXPECT_TRUE(fitted.Items().empty());
    for (std::size_t size = 0; size < noItems.bytes.size(); ++size) {
        EXPECT_FALSE(DialogTemplate(noItems.bytes.data(), size).Valid()) << size << " bytes";
    }
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
