#include "options/frm_options.h"

#include "common/app.h"
#include "platform/dialogs.h"

namespace ostrel {

void ShowOptionsForm() {
    platform::OpenOptionsWindow(kOptionsCaption);
}

}  // namespace ostrel
