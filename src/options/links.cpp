#include "options/links.h"

#include "common/app.h"
#include "common/failure.h"
#include "platform/dialogs.h"
#include "platform/shell.h"

namespace ostrel {

namespace {

const char* HandlerKind(const std::string& url) {
    // Case-sensitive on purpose: only these exact prefixes are known kinds.
    if (url.compare(0, 4, "http") == 0) {
        return "browser";
    }
    if (url.compare(0, 6, "mailto") == 0) {
        return "mail client";
    }
    return "application handling those files";
}

}  // namespace

std::string LinkErrorText(std::int64_t result, const std::string& url) {
    return "Error " + std::to_string(result) + " opening link to " + url + "\r\nCheck that your " +
           HandlerKind(url) + " is correctly installed.";
}

void ExecuteLink(platform::Shell& shell, platform::Dialogs& dialogs, const std::string& url) {
    RunSkippingFailures([&] { platform::SetBusyPointer(dialogs, true); },
                        [&] {
                            const platform::OpenResult result = platform::OpenWithShell(shell, url);
                            if (!result.opened) {
                                platform::ShowOptionsMessage(
                                    dialogs, LinkErrorText(result.errorNumber, url), kAppTitle,
                                    platform::MessageIcon::Exclamation);
                            }
                        },
                        [&] { platform::SetBusyPointer(dialogs, false); });
}

}  // namespace ostrel
