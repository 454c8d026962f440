#pragma once
// The options dialog.

namespace ostrel {

// Shows the dialog modeless, without an owner window.
void ShowOptionsForm();

}  // namespace ostrel
