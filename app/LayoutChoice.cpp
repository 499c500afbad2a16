#include "app/LayoutChoice.h"

namespace vantrel {
namespace {

bool Within(PixelSize size, PixelSize area) {
    return size.width <= area.width && size.height <= area.height;
}

}  // namespace

const std::vector<std::string>& FallbackFaces() {
    static const std::vector<std::string> faces = {
        "Times New Roman", "Liberation Serif", "Nimbus Roman", "DejaVu Serif", "Tahoma",
        "Arial",           "Liberation Sans",  "DejaVu Sans",
    };
    return faces;
}

LayoutChoice ChooseLayout(const std::vector<std::string>& faces,
                          const std::function<FontTrial(const DialogFont&)>& trial,
                          PixelSize workArea) {
    for (const std::string& face : faces) {
        LayoutChoice smallestWhole;
        for (int points = kTemplatePoints; points >= kSmallestPoints; --points) {
            const DialogFont font{face, points};
            const FontTrial result = trial(font);
            if (!result.textsFit) {
                continue;
            }
            if (Within(result.window, workArea)) {
                return {font, false};
            }
            smallestWhole = {font, true};
        }
        if (!smallestWhole.font.face.empty()) {
            return smallestWhole;
        }
    }
    LayoutChoice last;
    if (!faces.empty()) {
        last.font = {faces.front(), kTemplatePoints};
        last.scrolls = !Within(trial(last.font).window, workArea);
    }
    return last;
}

}  // namespace vantrel
