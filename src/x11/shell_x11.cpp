// The shell and the options dialog's services. XScreenSaver has its own
// settings dialog and its own password handling, so the program never opens
// either of its own here: the saver's command line is only ever /S or /P.

#include <string>

#include "common/failure.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/windowing.h"

namespace ostrel::platform {

void ChangePassword(const std::string&, std::int64_t) {
    throw Failure{kErrDllNotFound, "XScreenSaver keeps the password", ""};
}

std::int64_t OpenWithShell(const std::string&) {
    return 31;  // no association: nothing opens links here
}

std::string ProgramArguments() {
    return "";
}

bool CreateOptionsWindow() {
    return false;
}
void ShowOptionsWindow() {}
void CloseOptionsWindow() {}
void ReadOptionsWindowSize(double& widthTwips, double& heightTwips) {
    widthTwips = 0;
    heightTwips = 0;
}
void MoveOptionsWindow(double, double) {}

void ReadScreenSize(double& widthTwips, double& heightTwips) {
    const PixelRect desktop = DesktopWindowRect();
    widthTwips = desktop.right * TwipsPerPixelX();
    heightTwips = desktop.bottom * TwipsPerPixelY();
}

void EnableOtherWindow(WindowHandle, bool) {}

bool ReadWindowRect(WindowHandle, PixelRect&) {
    return false;
}

double TextWidthTwips(const std::string& text, bool bold) {
    TextFont font{"Tahoma", 8.25f, bold};
    return MeasureText(font, text).widthPixels * TwipsPerPixelX();
}

std::string DecimalSeparator() {
    return ".";
}

int ShowOptionsMessage(const std::string& text, const std::string& caption, std::uint32_t style) {
    return ShowMessage(text, caption, style);
}

void SetBusyPointer(bool) {}

bool ChooseFontFor(const std::string&, std::uint32_t, FontChoice&) {
    return false;
}

bool ChooseColourFor(const std::string&, std::uint32_t, std::uint32_t&) {
    return false;
}

}  // namespace ostrel::platform
