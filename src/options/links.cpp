#include "options/links.h"

#include "common/app.h"
#include "common/failure.h"
#include "platform/dialogs.h"
#include "platform/shell.h"

namespace ostrel {

namespace {

// The shell answers above this for success and with an error number up to it.
constexpr std::int64_t kShellErrorLimit = 32;

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

void ExecuteLink(const std::string& url) {
    RunSkippingFailures([] { platform::SetBusyPointer(true); },
                        [&] {
                            const std::int64_t result = platform::OpenWithShell(url);
                            if (result <= kShellErrorLimit) {
                                platform::ShowOptionsMessage(LinkErrorText(result, url), kAppTitle,
                                                             platform::kMbIconExclamation);
                            }
                        },
                        [] { platform::SetBusyPointer(false); });
}

}  // namespace ostrel
