// What the options dialog asks of the system besides its own window: the
// screen, the window it was opened from, text measurement, the user's
// number format, and the font and colour choosers.

#include <windows.h>
#include <commdlg.h>

#include <cmath>

#include "platform/dialogs.h"
#include "windows/gdi.h"
#include "windows/options_win32.h"
#include "windows/services_win32.h"
#include "windows/system_library.h"

namespace ostrel::platform {

namespace {

using win32::Hwnd;

// The font chooser offers the screen's fonts that exist, with their effects
// and no script choice.
constexpr DWORD kFontChooserFlags =
    CF_SCREENFONTS | CF_EFFECTS | CF_FORCEFONTEXIST | CF_NOSCRIPTSEL;

// The choosers have no title of their own to set; their hooks set it when
// they open. The title travels in the structures' custom data.
UINT_PTR CALLBACK FontTitleHook(HWND dlg, UINT msg, WPARAM, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        const auto* cf = reinterpret_cast<const CHOOSEFONTA*>(lp);
        SetWindowTextA(dlg, reinterpret_cast<const char*>(cf->lCustData));
    }
    return 0;
}

UINT_PTR CALLBACK ColourTitleHook(HWND dlg, UINT msg, WPARAM, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        const auto* cc = reinterpret_cast<const CHOOSECOLORA*>(lp);
        SetWindowTextA(dlg, reinterpret_cast<const char*>(cc->lCustData));
    }
    return 0;
}

}  // namespace

void ReadScreenSize(Dialogs&, double& widthTwips, double& heightTwips) {
    widthTwips = GetSystemMetrics(SM_CXSCREEN) * win32::ScreenTwipsPerPixel(LOGPIXELSX);
    heightTwips = GetSystemMetrics(SM_CYSCREEN) * win32::ScreenTwipsPerPixel(LOGPIXELSY);
}

void EnableOtherWindow(Dialogs&, WindowHandle window, bool enable) {
    EnableWindow(Hwnd(window), enable ? TRUE : FALSE);
}

bool ReadWindowRect(Dialogs&, WindowHandle window, PixelRect& rect) {
    RECT r;
    if (!GetWindowRect(Hwnd(window), &r)) {
        return false;
    }
    rect = PixelRect{r.left, r.top, r.right, r.bottom};
    return true;
}

double TextWidthTwips(Dialogs& dialogs, const std::string& text, bool bold) {
    const win32::ScreenDc screen;
    const win32::Selection fontSelected(screen.get(),
                                        win32::DialogFont(dialogs.program.options.controls, bold));
    SIZE size{};
    GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx * win32::ScreenTwipsPerPixel(LOGPIXELSX);
}

std::string DecimalSeparator(Dialogs&) {
    char separator[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) == 0) {
        return ".";
    }
    return separator;
}

bool ChooseFontFor(Dialogs& dialogs, const std::string& title, FontChoice& font) {
    LOGFONTA lf = win32::LogFontFor(TextFont{font.name, font.sizePoints, font.bold, font.italic,
                                             font.strikethrough, font.underline});

    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof(cf);
    cf.hwndOwner = dialogs.program.options.hwnd;
    cf.lpLogFont = &lf;
    // Starting on the working font needs the structure's font as given.
    cf.Flags = kFontChooserFlags | CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK;
    cf.rgbColors = win32::ColourRef(font.colour);
    cf.lCustData = reinterpret_cast<LPARAM>(title.c_str());
    cf.lpfnHook = FontTitleHook;
    using ChooseFontFn = BOOL(WINAPI*)(CHOOSEFONTA*);
    const auto chooseFont = win32::SystemFunctionAs<ChooseFontFn>("comdlg32.dll", "ChooseFontA");
    if (chooseFont == nullptr || !chooseFont(&cf)) {
        return false;
    }
    font.name = lf.lfFaceName;
    font.sizePoints = static_cast<float>(cf.iPointSize) / 10.0f;
    font.bold = lf.lfWeight >= FW_SEMIBOLD;
    font.italic = lf.lfItalic != 0;
    font.underline = lf.lfUnderline != 0;
    font.strikethrough = lf.lfStrikeOut != 0;
    font.colour = cf.rgbColors;
    return true;
}

bool ChooseColourFor(Dialogs& dialogs, const std::string& title, std::uint32_t& colour) {
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = dialogs.program.options.hwnd;
    cc.rgbResult = win32::ColourRef(colour);
    cc.lpCustColors = dialogs.customColours.data();
    // The chooser starts on the given colour.
    cc.Flags = CC_RGBINIT | CC_ENABLEHOOK;
    cc.lCustData = reinterpret_cast<LPARAM>(title.c_str());
    cc.lpfnHook = ColourTitleHook;
    using ChooseColorFn = BOOL(WINAPI*)(CHOOSECOLORA*);
    const auto chooseColor = win32::SystemFunctionAs<ChooseColorFn>("comdlg32.dll", "ChooseColorA");
    if (chooseColor == nullptr || !chooseColor(&cc)) {
        return false;
    }
    colour = cc.rgbResult;
    return true;
}

}  // namespace ostrel::platform
