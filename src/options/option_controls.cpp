#include "options/option_controls.h"

#include <algorithm>

#include "common/failure.h"

namespace ostrel {

void SelectListIndex(ComboBox& list, int index) {
    if (index < -1 || index >= static_cast<int>(list.items.size())) {
        ThrowInvalidProperty();
    }
    list.listIndex = index;
}

void SetSliderValue(Slider& slider, int value) {
    slider.value = std::clamp(value, slider.min, slider.max);
}

}  // namespace ostrel
