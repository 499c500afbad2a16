#include "app/fitting/FontChoice.h"

#include <utility>

namespace vantrel {
namespace {

constexpr int kLargestPoints = 9;  // the templates' own size
constexpr int kSmallestPoints = 8;

bool Within(PixelSize size, PixelSize area) {
    return size.width <= area.width && size.height <= area.height;
}

}  // namespace

FontChoice ChooseDialogFont(const std::vector<std::wstring>& faces,
                            const std::function<FontTrial(const DialogFont&)>& trial,
                            PixelSize workArea) {
    FontChoice first;
    for (const std::wstring& face : faces) {
        FontChoice smallestWhole;
        for (int points = kLargestPoints; points >= kSmallestPoints; --points) {
            FontTrial result = trial({face, points});
            FontChoice choice{{face, points}, result.units, std::move(result.controlFaces)};
            first = first.font.face.empty() ? choice : first;
            if (result.textsFit && Within(result.window, workArea)) {
                return choice;
            }
            smallestWhole = result.textsFit ? choice : smallestWhole;
        }
        if (!smallestWhole.font.face.empty()) {
            return smallestWhole;
        }
    }
    return first;
}

}  // namespace vantrel
