#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "options/options_layout.h"
#include "platform/windowing.h"

namespace ostrel {
namespace {

using Box = platform::PixelRect;

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

TEST(OptionsLayout, EachTabCarriesItsControlsInOrder) {
    EXPECT_EQ(std::vector<std::string>(std::begin(kTabCaptions), std::end(kTabCaptions)),
              (std::vector<std::string>{"&Display", "For&mat", "A&nimation", "&Other", "&About"}));
    // A tab's captions, each ended by '|', after the id of a control the
    // dialog reads or fills: display check box i is 200 + i, for bit i.
    std::map<int, std::string> captions;
    for (const ControlSpec& c : OptionsLayout()) {
        if (c.id < kIdStatic || (c.caption[0] != '\0' && c.kind != ControlKind::Text)) {
            captions[c.tab] += (c.id < kIdStatic ? std::to_string(c.id) : "") + c.caption + "|";
        }
    }
    EXPECT_EQ(
        captions,
        (std::map<int, std::string>{
            {0,
             "Display Options|207Description|220|200Computer Name|201Current Time|"
             "202Computer Uptime|203Computer Start Time|Memory Usage|"
             "204Committed Bytes (page file)|208Physical Memory|209Virtual Memory|"
             "210Show Percentages|205CPU Usage|206Network Activity|"},
            {1,
             "Time Format|23024 hour format|Display Font|231|232&Background...|"
             "233Set &Font...|"},
            {2,
             "Animation Type|240|241|Multiple Monitors|"
             "242Constrain animation to primary monitor|"},
            {3, "Default Screen Saver|250Set This As Default Screen Saver For All Users|"},
            {4, "260|261|262|263Copyright \xA9 2003-2006|264Alex Example|265|266website|267|"},
            {kAllTabs, "1OK|2Cancel|"}}));
}

TEST(OptionsLayout, EveryControlHasItsOwnIdAndLiesInsideItsFramePageAndTheDialog) {
    const Box client{0, 0, kClientWidthTwips, kClientHeightTwips};
    const Box page{kTabsLeft, kTabsTop, kTabsLeft + kTabsWidth, kTabsTop + kTabsHeight};
    const Box panel = Place({.panel = 0, .width = kPanelWidth, .height = kPanelHeight});
    const auto layout = OptionsLayout();
    std::set<int> ids{kIdTabs};
    for (const ControlSpec& c : layout) {
        EXPECT_TRUE(ids.insert(c.id).second) << c.id;
        const Box box = Place(c);
        EXPECT_TRUE(Inside(box, client)) << c.id;
        EXPECT_TRUE(c.tab == kAllTabs ? !Overlap(box, page) : Inside(box, page)) << c.id;
        EXPECT_TRUE(c.panel == kNoPanel || Inside(box, panel)) << c.id;
        // A control that reaches into a frame of its tab lies in it whole,
        // unless it is a frame around that frame; the panels lie in the
        // animation frame.
        for (const ControlSpec& f : layout) {
            const Box frame = Place(f);
            if (f.kind == ControlKind::Frame && &f != &c && f.tab == c.tab && Overlap(box, frame) &&
                !Inside(frame, box)) {
                EXPECT_TRUE(Inside(box, frame)) << c.id << " in " << f.caption;
            }
        }
        EXPECT_TRUE(std::string(c.caption) != "Animation Type" || Inside(panel, box));
    }
}

TEST(OptionsLayout, NoTwoControlsOfAPageOverlapAndAcceleratorsAreUnique) {
    const auto& layout = OptionsLayout();
    std::set<char> tabLetters;
    for (const char* caption : kTabCaptions) {
        tabLetters.insert(static_cast<char>(std::tolower(std::strchr(caption, '&')[1])));
    }
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
            std::set<char> letters = tabLetters;
            for (std::size_t i = 0; i < shown.size(); ++i) {
                const char* amp = std::strchr(shown[i]->caption, '&');
                EXPECT_TRUE(amp == nullptr ||
                            letters.insert(static_cast<char>(std::tolower(amp[1]))).second)
                    << shown[i]->caption << " on tab " << tab;
                for (std::size_t j = i + 1; j < shown.size(); ++j) {
                    EXPECT_TRUE(shown[i]->kind == ControlKind::Frame ||
                                shown[j]->kind == ControlKind::Frame ||
                                !Overlap(Place(*shown[i]), Place(*shown[j])))
                        << shown[i]->id << " and " << shown[j]->id << " on tab " << tab;
                }
            }
        }
    }
}

}  // namespace
}  // namespace ostrel
