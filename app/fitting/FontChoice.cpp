#include "app/fitting/FontChoice.h"

namespace vantrel {
namespace {

constexpr int kLargestPoints = 9;  // the templates' own size
constexpr int kSmallestPoints = 8;

bool Within(PixelSize size, PixelSize area) {
    return size.width <= area.width && size.height <= area.height;
}

}  // namespace

const std::vector<std::wstring>& FallbackFaces() {
    static const std::vector<std::wstring> faces = {
        L"Times New Roman", L"Liberation Serif", L"Nimbus Roman", L"DejaVu Serif", L"Tahoma",
        L"Arial",           L"Liberation Sans",  L"DejaVu Sans",
    };
    return faces;
}

FontChoice ChooseDialogFont(const std::vector<std::wstring>& faces,
                            const std::function<FontTrial(const DialogFont&)>& trial,
                            PixelSize workArea) {
    FontChoice first;
    for (const std::wstring& face : faces) {
        FontChoice smallestWhole;
        for (int points = kLargestPoints; points >= kSmallestPoints; --points) {
            const DialogFont font{face, points};
            FontTrial result = trial(font);
            if (first.font.face.empty()) {
                first = {font, result.units, result.controlFaces};
            }
            if (!result.textsFit) {
                continue;
            }
            smallestWhole = {font, result.units, std::move(result.controlFaces)};
            if (Within(result.window, workArea)) {
                return smallestWhole;
            }
        }
        if (!smallestWhole.font.face.empty()) {
            return smallestWhole;
        }
    }
    return first;
}

}  // namespace vantrel
