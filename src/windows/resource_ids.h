#pragma once
// Resource ids, shared by the resource script and the code. Plain defines,
// so that the resource compiler reads them too.

// The icon, and the string the system's screen-saver list shows.
#define IDI_APP_ICON 1
#define IDS_SCREEN_SAVER_NAME 1
// The module's screen-saver description, "SCRNSAVE:" and the name, as
// screen savers have always been described.
#define IDS_MODULE_DESCRIPTION 2

// The options dialog's frame; its controls are built in code.
#define IDD_OPTIONS 100
