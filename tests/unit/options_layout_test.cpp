#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "options/options_layout.h"

namespace ostrel {
namespace {

struct Box {
    std::int32_t left, top, right, bottom;
};

bool Inside(const Box& inner, const Box& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Where a control lies in the client area; a description panel's controls
// lie in their panel, which lies at (600, 1440) in the animation frame.
Box Place(const ControlSpec& c) {
    std::int32_t left = c.left, top = c.top;
    if (c.panel != kNoPanel) {
        left += kAnimationFrameLeft + 600;
        top += kAnimationFrameTop + 1440;
    }
    return {left, top, left + c.width, top + c.height};
}

std::vector<std::string> CaptionsOn(int tab) {
    std::vector<std::string> captions;
    for (const ControlSpec& c : OptionsLayout()) {
        if (c.tab == tab && c.caption[0] != '\0' && c.kind != ControlKind::Text) {
            captions.push_back(c.caption);
        }
    }
    return captions;
}

TEST(OptionsLayout, EachTabCarriesItsControlsInOrder) {
    EXPECT_EQ(std::vector<std::string>(std::begin(kTabCaptions), std::end(kTabCaptions)),
              (std::vector<std::string>{"&Display", "For&mat", "A&nimation", "&Other", "&About"}));
    const std::map<int, std::vector<std::string>> expected = {
        {0,
         {"Display Options", "Description", "Computer Name", "Current Time", "Computer Uptime",
          "Computer Start Time", "Memory Usage", "Committed Bytes (page file)", "Physical Memory",
          "Virtual Memory", "Show Percentages", "CPU Usage", "Network Activity"}},
        {1, {"Time Format", "24 hour format", "Display Font", "&Background...", "Set &Font..."}},
        {2, {"Animation Type", "Multiple Monitors", "Constrain animation to primary monitor"}},
        {3, {"Default Screen Saver", "Set This As Default Screen Saver For All Users"}},
        {4, {"Alex Example", "website"}},
        {kAllTabs, {"OK", "Cancel"}},
    };
    for (const auto& [tab, captions] : expected) {
        EXPECT_EQ(CaptionsOn(tab), captions) << "tab " << tab;
    }
}

TEST(OptionsLayout, EveryControlLiesInsideItsFramePageAndTheDialog) {
    const Box client{0, 0, kClientWidthTwips, kClientHeightTwips};
    const Box page{kTabsLeft, kTabsTop, kTabsLeft + kTabsWidth, kTabsTop + kTabsHeight};
    const Box panel{kAnimationFrameLeft + 600, kAnimationFrameTop + 1440,
                    kAnimationFrameLeft + 600 + kPanelWidth,
                    kAnimationFrameTop + 1440 + kPanelHeight};
    std::vector<ControlSpec> frames;
    for (const ControlSpec& c : OptionsLayout()) {
        if (c.kind == ControlKind::Frame) {
            frames.push_back(c);
        }
    }
    for (const ControlSpec& c : OptionsLayout()) {
        const Box box = Place(c);
        EXPECT_TRUE(Inside(box, client)) << c.id;
        EXPECT_TRUE(c.tab == kAllTabs ? !Overlap(box, page) : Inside(box, page)) << c.id;
        EXPECT_TRUE(c.panel == kNoPanel || Inside(box, panel)) << c.id;
        // A control whose corner lies in a frame of its tab lies in it whole.
        for (const ControlSpec& f : frames) {
            const Box frame = Place(f);
            if (f.id != c.id && f.tab == c.tab &&
                Inside({box.left, box.top, box.left, box.top}, frame)) {
                EXPECT_TRUE(Inside(box, frame)) << c.id << " in " << f.caption;
            }
        }
    }
    const ControlSpec* animation = nullptr;
    for (const ControlSpec& f : frames) {
        animation = std::string(f.caption) == "Animation Type" ? &f : animation;
    }
    ASSERT_NE(animation, nullptr);
    EXPECT_TRUE(Inside(panel, Place(*animation)));
}

TEST(OptionsLayout, NoTwoControlsOfAPageOverlapAndAcceleratorsAreUnique) {
    const auto& layout = OptionsLayout();
    for (int tab = 0; tab < kTabCount; ++tab) {
        for (int panel = kNoPanel; panel < 5; ++panel) {
            // What one page shows: its controls, those of every tab, and one panel's.
            std::vector<const ControlSpec*> shown;
            for (const ControlSpec& c : layout) {
                if ((c.tab == tab || c.tab == kAllTabs) &&
                    (c.panel == kNoPanel || c.panel == panel)) {
                    shown.push_back(&c);
                }
            }
            std::set<char> letters;
            for (const char* caption : kTabCaptions) {
                letters.insert(static_cast<char>(
                    std::tolower(std::string(caption)[std::string(caption).find('&') + 1])));
            }
            for (std::size_t i = 0; i < shown.size(); ++i) {
                const std::string caption = shown[i]->caption;
                const auto amp = caption.find('&');
                if (amp != std::string::npos) {
                    EXPECT_TRUE(
                        letters.insert(static_cast<char>(std::tolower(caption[amp + 1]))).second)
                        << caption << " on tab " << tab;
                }
                for (std::size_t j = i + 1; j < shown.size(); ++j) {
                    const bool frame = shown[i]->kind == ControlKind::Frame ||
                                       shown[j]->kind == ControlKind::Frame;
                    if (!frame) {
                        EXPECT_FALSE(Overlap(Place(*shown[i]), Place(*shown[j])))
                            << shown[i]->id << " and " << shown[j]->id << " on tab " << tab;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace ostrel
