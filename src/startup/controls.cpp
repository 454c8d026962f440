#include "startup/controls.h"

#include "common/failure.h"
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

}  // namespace ostrel
