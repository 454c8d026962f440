// The options window's controls: built from the layout table, and kept
// showing the dialog's state.

#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <string>

#include "options/options_dialog.h"
#include "options/options_layout.h"
#include "windows/gdi.h"
#include "windows/options_win32.h"
#include "windows/resource_ids.h"
#include "platform/windowing.h"

namespace ostrel::win32 {

namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr int kIdTabPane = kIdTabs + 1;
// The drop-down list's window height includes its open list.
constexpr int kListRowsPixels = 100;

// Where a control goes in the client area, in twips: panel controls are
// placed from their panel, which the dialog places in its frame.
void ClientTwips(const ControlSpec& c, const OptionsDialog* dialog, std::int32_t& left,
                 std::int32_t& top) {
    left = c.left;
    top = c.top;
    if (c.panel != kNoPanel) {
        const DescriptionPanel panel =
            dialog ? dialog->animationPanels[c.panel] : DescriptionPanel{};
        left += kAnimationFrameLeft + panel.left;
        top += kAnimationFrameTop + panel.top;
    }
}

HWND CreateControl(HWND dlg, HINSTANCE instance, OptionsControls& controls, const ControlSpec& c) {
    const char* cls = "STATIC";
    DWORD style = WS_CHILD;
    DWORD exStyle = 0;
    const bool hasAccelerator = std::string(c.caption).find('&') != std::string::npos;
    switch (c.kind) {
        case ControlKind::Frame:
            cls = "BUTTON";
            style |= BS_GROUPBOX;
            break;
        case ControlKind::Text:
            style |= SS_LEFT | (hasAccelerator ? 0 : SS_NOPREFIX);
            break;
        case ControlKind::CheckBox:
            cls = "BUTTON";
            style |= BS_AUTOCHECKBOX | WS_TABSTOP;
            break;
        case ControlKind::TextBox:
            cls = "EDIT";
            style |= ES_AUTOHSCROLL | WS_TABSTOP;
            exStyle |= WS_EX_CLIENTEDGE;
            break;
        case ControlKind::DropDownList:
            cls = "COMBOBOX";
            style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
            break;
        case ControlKind::Slider:
            cls = TRACKBAR_CLASSA;
            style |= TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM | WS_TABSTOP;
            break;
        case ControlKind::Button:
            cls = "BUTTON";
            style |= BS_PUSHBUTTON | WS_TABSTOP;
            break;
        case ControlKind::DefaultButton:
            cls = "BUTTON";
            style |= BS_DEFPUSHBUTTON | WS_TABSTOP;
            break;
        case ControlKind::Link:
            style |= SS_LEFT | SS_NOPREFIX | SS_NOTIFY;
            break;
        case ControlKind::Icon:
            style |= SS_ICON | SS_NOTIFY;
            break;
        case ControlKind::Sample:
            style |= SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE;
            exStyle |= WS_EX_STATICEDGE;
            break;
        case ControlKind::Separator:
            style |= SS_ETCHEDHORZ;
            break;
    }
    std::int32_t left = 0, top = 0;
    ClientTwips(c, nullptr, left, top);
    int height = PixelsY(c.height);
    if (c.kind == ControlKind::DropDownList) {
        height += kListRowsPixels;
    }
    HWND h = CreateWindowExA(
        exStyle, cls, c.caption, style, PixelsX(left), PixelsY(top), PixelsX(c.width), height, dlg,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
    if (h == nullptr) {
        return nullptr;
    }
    HFONT font =
        c.kind == ControlKind::Link ? controls.linkFont.get() : DialogFont(controls, c.bold);
    SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (c.kind == ControlKind::Icon) {
        HICON icon =
            static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP_ICON), IMAGE_ICON,
                                          PixelsX(c.width), PixelsY(c.height), LR_DEFAULTCOLOR));
        SendMessageA(h, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
    if (c.kind == ControlKind::Slider) {
        SendMessageA(h, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
        SendMessageA(h, TBM_SETPAGESIZE, 0, 1);
    }
    return h;
}

void AddToolTip(HWND toolTips, HWND dlg, HWND ctl, const char* text) {
    TTTOOLINFOA ti{};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = dlg;
    ti.uId = reinterpret_cast<UINT_PTR>(ctl);
    ti.lpszText = const_cast<char*>(text);
    SendMessageA(toolTips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void SetToolTip(HWND toolTips, HWND dlg, HWND ctl, const std::string& text) {
    TTTOOLINFOA ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = dlg;
    ti.uId = reinterpret_cast<UINT_PTR>(ctl);
    ti.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(toolTips, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void SetText(HWND h, const std::string& text) {
    char current[2048] = {};
    GetWindowTextA(h, current, sizeof current);
    if (text != current) {
        SetWindowTextA(h, text.c_str());
    }
}

void SetCheck(HWND dlg, int id, bool on) {
    CheckDlgButton(dlg, id, on ? BST_CHECKED : BST_UNCHECKED);
}

// Answers whether the control's visibility changed.
bool ShowIf(HWND h, bool show) {
    const bool shown = (GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != show) {
        ShowWindow(h, show ? SW_SHOWNA : SW_HIDE);
    }
    return shown != show;
}

void Place(HWND h, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    RECT now{};
    GetWindowRect(h, &now);
    MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&now), 2);
    const RECT want{PixelsX(left), PixelsY(top), PixelsX(left) + PixelsX(width),
                    PixelsY(top) + PixelsY(height)};
    if (!EqualRect(&now, &want)) {
        SetWindowPos(h, nullptr, want.left, want.top, want.right - want.left,
                     want.bottom - want.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

const TextLabel* LabelOf(const OptionsDialog& f, int id) {
    switch (id) {
        case kIdAppName:
            return &f.appNameLabel;
        case kIdVersion:
            return &f.versionLabel;
        case kIdCopyright:
            return &f.copyrightLabel;
        case kIdEmail:
            return &f.emailLink;
        case kIdVisit:
            return &f.visitLabel;
        case kIdWebsite:
            return &f.websiteLink;
        case kIdCommandLine:
            return &f.commandLineLabel;
        default:
            return nullptr;
    }
}

void ShowControls(HWND dlg, const OptionsDialog& f) {
    bool changed = false;
    for (const ControlSpec& c : OptionsLayout()) {
        HWND h = GetDlgItem(dlg, c.id);
        if (h == nullptr) {
            continue;
        }
        const bool onTab = c.tab == kAllTabs || c.tab == f.currentTab;
        const bool inPanel = c.panel == kNoPanel || f.animationPanels[c.panel].visible;
        if (c.panel != kNoPanel && inPanel) {
            std::int32_t left = 0, top = 0;
            ClientTwips(c, &f, left, top);
            Place(h, left, top, c.width, c.height);
        }
        if (const TextLabel* label = LabelOf(f, c.id)) {
            SetText(h, label->caption);
            Place(h, label->left, label->top, label->width, c.height);
        }
        changed = ShowIf(h, onTab && inPanel) || changed;
    }
    // Hidden controls leave their place to be painted again by the tab
    // control beneath; the page is redrawn whole so that none is missed.
    if (changed) {
        RedrawWindow(dlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    // Keyboard focus never stays on a control that went out of sight.
    HWND focus = GetFocus();
    if (focus != nullptr && GetParent(focus) == dlg && !IsWindowVisible(focus)) {
        SetFocus(GetDlgItem(dlg, kIdTabs));
    }
}

void ShowSample(HWND dlg, const SampleLabel& s, OptionsControls& controls) {
    HWND h = GetDlgItem(dlg, kIdFontSample);
    if (!controls.sampleFont || controls.sampleFontShown != s.font) {
        FontObject made = MakeFont(s.font);
        SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(made.get()), FALSE);
        controls.sampleFont = std::move(made);
        controls.sampleFontShown = s.font;
    }
    SetText(h, s.caption);
    InvalidateRect(h, nullptr, TRUE);
}

}  // namespace

HFONT DialogFont(OptionsControls& controls, bool bold) {
    if (!controls.font) {
        controls.font = MakeFont(LabelFont{"Tahoma", 8.25f, false, false, false, false});
        controls.boldFont = MakeFont(LabelFont{"Tahoma", 8.25f, true, false, false, false});
        controls.linkFont = MakeFont(LabelFont{"Tahoma", 8.25f, false, false, false, true});
    }
    return bold ? controls.boldFont.get() : controls.font.get();
}

void BuildOptionsControls(HWND dlg, HINSTANCE instance, OptionsControls& controls) {
    DialogFont(controls, false);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(dlg, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(dlg, GWL_EXSTYLE));
    RECT r{0, 0, PixelsX(kClientWidthTwips), PixelsY(kClientHeightTwips)};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    SetWindowPos(dlg, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    for (const ControlSpec& c : OptionsLayout()) {
        CreateControl(dlg, instance, controls, c);
    }
    HWND tabs = CreateWindowExA(
        0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP,
        PixelsX(kTabsLeft), PixelsY(kTabsTop), PixelsX(kTabsWidth), PixelsY(kTabsHeight), dlg,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdTabs)), instance, nullptr);
    SendMessageA(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont(controls, false)), FALSE);
    for (int i = 0; i < kTabCount; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kTabCaptions[i]);
        SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    // The tab control may draw its pages in a colour of its own (a theme's),
    // which the controls on them do not share: a plain pane in the dialog's
    // colour covers the page area. Both lie under the pages' controls and
    // paint none of them over.
    RECT page{};
    GetClientRect(tabs, &page);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    MapWindowPoints(tabs, dlg, reinterpret_cast<POINT*>(&page), 2);
    HWND pane = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, page.left,
                                page.top, page.right - page.left, page.bottom - page.top, dlg,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdTabPane)), instance,
                                nullptr);
    SetWindowPos(pane, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    controls.toolTips = CreateWindowExA(
        WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dlg, nullptr, instance, nullptr);
    for (const ControlSpec& c : OptionsLayout()) {
        if (c.toolTip[0] != '\0') {
            AddToolTip(controls.toolTips, dlg, GetDlgItem(dlg, c.id), c.toolTip);
        }
    }
    AddToolTip(controls.toolTips, dlg, GetDlgItem(dlg, kIdBounceRandomness), "");
    controls.sliderTipShown.clear();
}

void ShowDialogState(HWND dlg, const OptionsDialog& f, OptionsControls& controls) {
    controls.showing = true;
    SetText(dlg, f.caption);
    SendDlgItemMessageA(dlg, kIdTabs, TCM_SETCURSEL, f.currentTab, 0);
    for (int i = 0; i < kDisplayItemCount; ++i) {
        SetCheck(dlg, kIdDisplayItem0 + i, f.displayItemBoxes[i].value);
    }
    SetCheck(dlg, kIdTwentyFourHour, f.twentyFourHourBox.value);
    SetCheck(dlg, kIdConstrainToPrimary, f.constrainToPrimaryBox.value);
    SetCheck(dlg, kIdSetAsDefault, f.setAsDefaultBox.value);

    HWND descr = GetDlgItem(dlg, kIdDescription);
    SendMessageA(descr, EM_SETLIMITTEXT, f.descriptionBox.maxLength, 0);
    SetText(descr, f.descriptionBox.text);
    EnableWindow(descr, f.descriptionBox.enabled);
    InvalidateRect(descr, nullptr, TRUE);

    HWND list = GetDlgItem(dlg, kIdAnimationList);
    if (SendMessageA(list, CB_GETCOUNT, 0, 0) !=
        static_cast<LRESULT>(f.animationList.items.size())) {
        SendMessageA(list, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : f.animationList.items) {
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
    }
    SendMessageA(list, CB_SETCURSEL, f.animationList.listIndex, 0);

    HWND slider = GetDlgItem(dlg, kIdBounceRandomness);
    SendMessageA(slider, TBM_SETRANGE, TRUE,
                 MAKELPARAM(f.bounceRandomnessSlider.min, f.bounceRandomnessSlider.max));
    SendMessageA(slider, TBM_SETPOS, TRUE, f.bounceRandomnessSlider.value);
    if (f.bounceRandomnessSlider.toolTipText != controls.sliderTipShown) {
        controls.sliderTipShown = f.bounceRandomnessSlider.toolTipText;
        SetToolTip(controls.toolTips, dlg, slider, controls.sliderTipShown);
    }

    ShowSample(dlg, f.fontSample, controls);
    ShowControls(dlg, f);
    controls.showing = false;
}

void ReadControl(HWND dlg, int id, OptionsDialog& f) {
    const auto checked = [&] { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; };
    if (id >= kIdDisplayItem0 && id < kIdDisplayItem0 + kDisplayItemCount) {
        f.displayItemBoxes[id - kIdDisplayItem0].value = checked();
    } else if (id == kIdTwentyFourHour) {
        f.twentyFourHourBox.value = checked();
    } else if (id == kIdConstrainToPrimary) {
        f.constrainToPrimaryBox.value = checked();
    } else if (id == kIdSetAsDefault) {
        f.setAsDefaultBox.value = checked();
    } else if (id == kIdDescription) {
        HWND h = GetDlgItem(dlg, id);
        const int length = GetWindowTextLengthA(h);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        text.resize(static_cast<std::size_t>(GetWindowTextA(h, text.data(), length + 1)));
        f.descriptionBox.text = text;
    } else if (id == kIdAnimationList) {
        f.animationList.listIndex =
            static_cast<int>(SendDlgItemMessageA(dlg, id, CB_GETCURSEL, 0, 0));
    } else if (id == kIdBounceRandomness) {
        f.bounceRandomnessSlider.value =
            static_cast<int>(SendDlgItemMessageA(dlg, id, TBM_GETPOS, 0, 0));
    } else if (id == kIdTabs) {
        f.currentTab = static_cast<int>(SendDlgItemMessageA(dlg, id, TCM_GETCURSEL, 0, 0));
    }
}

HBRUSH ControlColour(HWND ctl, HDC dc, const OptionsDialog& f, OptionsControls& controls) {
    const int id = GetDlgCtrlID(ctl);
    if (id == kIdDescription) {
        const int index = static_cast<int>(f.descriptionBox.backColour & 0xFF);
        SetBkColor(dc, GetSysColor(index));
        SetTextColor(dc, GetSysColor(f.descriptionBox.enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        return GetSysColorBrush(index);
    }
    if (id == kIdFontSample) {
        const std::uint32_t back = f.fontSample.backColour;
        if (!controls.sampleBrush || controls.sampleBrushColour != back) {
            controls.sampleBrush.reset(CreateSolidBrush(ColourRef(back)));
            controls.sampleBrushColour = back;
        }
        SetTextColor(dc, ColourRef(f.fontSample.foreColour));
        SetBkColor(dc, ColourRef(back));
        return controls.sampleBrush.get();
    }
    if (id == kIdTabPane) {
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    if (id == kIdEmail || id == kIdWebsite) {
        SetTextColor(dc, kLinkColour);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    return nullptr;
}

void ReleaseOptionsResources(OptionsControls& controls) {
    controls.font.reset();
    controls.boldFont.reset();
    controls.linkFont.reset();
    controls.sampleFont.reset();
    controls.sampleBrush.reset();
    controls.toolTips = nullptr;  // owned by the dialog, destroyed with it
}

}  // namespace ostrel::win32
