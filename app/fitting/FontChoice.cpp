#include "app/fitting/FontChoice.h"

#include <utility>

namespace vantrel {

FontChoice ChooseDialogFont(const std::vector<std::wstring>& faces,
                            const std::function<FontTrial(const DialogFont&)>& trial,
                            PixelSize workArea) {
    // The templates' own size, then a smaller one before scrolling; then,
    // one by one, larger ones, whose base units round otherwise.
    static const std::vector<int> kSizes[] = {{9, 8}, {10}, {11}, {12}, {13}, {14}, {15}, {16}};
    FontChoice first;
    for (const std::vector<int>& sizes : kSizes) {
        for (const std::wstring& face : faces) {
            FontChoice smallestWhole;
            for (int points : sizes) {
                FontTrial result = trial({face, points});
                FontChoice choice{{face, points}, result.units, std::move(result.controlFaces)};
                first = first.font.face.empty() ? choice : first;
                if (result.textsFit && result.window.width <= workArea.width &&
                    result.window.height <= workArea.height) {
                    return choice;
                }
                if (result.textsFit) {
                    smallestWhole = std::move(choice);  // the sizes go down
                }
            }
            if (!smallestWhole.font.face.empty()) {
                return smallestWhole;
            }
        }
    }
    return first;
}

}  // namespace vantrel
