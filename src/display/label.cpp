#include "display/label.h"

#include "common/failure.h"
#include "common/numeric.h"

namespace ostrel {

void SetFontName(platform::Windowing& windowing, Label& label, const std::string& name) {
    if (name.empty() || !platform::FontExists(windowing, name)) {
        ThrowInvalidProperty();
    }
    label.font.name = name;
}

void SetFontSize(Label& label, float points) {
    if (!(points >= 0.0f && points <= static_cast<float>(kLargestFontPoints))) {
        ThrowInvalidProperty();
    }
    label.font.sizePoints = points;
}

void SetLabelCaption(platform::Windowing& windowing, Label& label, const std::string& text) {
    label.caption = text;
    const platform::TextSize size = platform::MeasureText(windowing, label.font, text);
    label.widthTwips = RoundToInt32(size.widthPixels * platform::TwipsPerPixelX(windowing));
    label.heightTwips = RoundToInt32(size.heightPixels * platform::TwipsPerPixelY(windowing));
}

}  // namespace ostrel
