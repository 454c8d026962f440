// The shell and the options window's services. XScreenSaver has its own
// settings dialog and its own password handling, so the program never opens
// either of its own here: it only ever runs full screen or as a preview.

#include "x11/running_state.h"

#include <string>

#include "common/failure.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/windowing.h"

namespace ostrel::platform {

namespace {

constexpr std::int64_t kNoAssociation = 31;

}  // namespace

void ChangePassword(Shell&, WindowHandle) {
    throw Failure{kErrDllNotFound, "XScreenSaver keeps the password", ""};
}

OpenResult OpenWithShell(Shell&, const std::string&) {
    return {false, kNoAssociation};  // nothing opens links here
}

bool CreateOptionsWindow(Dialogs&, OptionsDialog&) {
    return false;
}
void ShowOptionsWindow(Dialogs&) {}
void CloseOptionsWindow(Dialogs&) {}
void ReadOptionsWindowSize(Dialogs&, double& widthTwips, double& heightTwips) {
    widthTwips = 0;
    heightTwips = 0;
}
void MoveOptionsWindow(Dialogs&, double, double) {}

void ReadScreenSize(Dialogs& dialogs, double& widthTwips, double& heightTwips) {
    Windowing& windowing = dialogs.state.windowing;
    const PixelRect primary = ReadMonitorLayout(windowing).primary;
    widthTwips = primary.right * TwipsPerPixelX(windowing);
    heightTwips = primary.bottom * TwipsPerPixelY(windowing);
}

void EnableOtherWindow(Dialogs&, WindowHandle, bool) {}

bool ReadWindowRect(Dialogs&, WindowHandle, PixelRect&) {
    return false;
}

double TextWidthTwips(Dialogs& dialogs, const std::string& text, bool bold) {
    Windowing& windowing = dialogs.state.windowing;
    const TextFont font{"Tahoma", 8.25f, bold};
    return MeasureText(windowing, font, text).widthPixels * TwipsPerPixelX(windowing);
}

std::string DecimalSeparator(Dialogs&) {
    return ".";
}

void ShowOptionsMessage(Dialogs& dialogs, const std::string& text, const std::string& caption,
                        MessageIcon icon) {
    ShowMessage(dialogs.state.windowing, text, caption, icon);
}

void SetBusyPointer(Dialogs&, bool) {}

bool ChooseFontFor(Dialogs&, const std::string&, FontChoice&) {
    return false;
}

bool ChooseColourFor(Dialogs&, const std::string&, std::uint32_t&) {
    return false;
}

}  // namespace ostrel::platform
