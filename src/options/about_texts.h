#pragma once
// The fixed texts of the About tab and the addresses of its two links.

namespace ostrel {

inline constexpr const char* kReleaseDate = "5 December 2006";

inline constexpr const char* kAuthorName = "Alex Example";
inline constexpr const char* kAuthorEmail = "alex@example.com";
inline constexpr const char* kWebPage = "http://www.example.com/software/OstrelScreenSaver/";
inline constexpr const char* kEmailToolTip = "click to email Alex";  // the author's first name
inline constexpr const char* kWebsiteToolTip = "click to visit the website";

// The copyright sign is the system code page's 0xA9.
inline constexpr const char* kCopyrightNotice = "Copyright \xA9 2003-2006";
inline constexpr const char* kRightsLine = "All rights reserved.";
inline constexpr const char* kTermsOfUse =
    "This program is free for anyone to use and to give to others, as long as it is passed on "
    "unchanged, with this notice, and without charge. It comes with no warranty of any kind: "
    "you use it at your own risk.";

}  // namespace ostrel
