#include "startup/controls.h"

#include "common/failure.h"
#include "common/numeric.h"
#include "platform/windowing.h"

namespace ostrel {

namespace {
constexpr std::int32_t kErrInvalidProperty = 380;
constexpr float kLargestFontPoints = 2160.0f;

[[noreturn]] void InvalidProperty() {
    throw Failure{kErrInvalidProperty, "Invalid property value", ""};
}
}  // namespace

void SetFontName(Label& label, const std::string& name) {
    if (name.empty() || !platform::FontExists(name)) {
        InvalidProperty();
    }
    label.font.name = name;
}

void SetFontSize(Label& label, float points) {
    if (!(points >= 0.0f && points <= kLargestFontPoints)) {
        InvalidProperty();
    }
    label.font.sizePoints = points;
}

void SetLabelCaption(Label& label, const std::string& text) {
    label.caption = text;
    const platform::TextSize size = platform::MeasureText(label.font, text);
    label.widthTwips = RoundToInt32(size.widthPixels * platform::TwipsPerPixelX());
    label.heightTwips = RoundToInt32(size.heightPixels * platform::TwipsPerPixelY());
}

}  // namespace ostrel
