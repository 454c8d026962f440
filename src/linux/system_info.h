#pragma once
// The system information service over the Linux kernel: what it finds once
// at start-up and the buffers its readings reuse.

#include <locale.h>

#include <cstdint>
#include <string>

#include "platform/sysinfo.h"

namespace ostrel::linux_kernel {

// The user's locale for LC_TIME and LC_NUMERIC, asked without changing the
// program's own (whose number formatting must stay the same everywhere);
// none when the environment names one the system does not have.
class UserLocale {
  public:
    UserLocale() : locale_(newlocale(LC_TIME_MASK | LC_NUMERIC_MASK, "", nullptr)) {}
    ~UserLocale() {
        if (locale_ != nullptr) {
            freelocale(locale_);
        }
    }
    UserLocale(const UserLocale&) = delete;
    UserLocale& operator=(const UserLocale&) = delete;

    locale_t get() const { return locale_; }

  private:
    locale_t locale_;
};

}  // namespace ostrel::linux_kernel

namespace ostrel::platform {

struct SystemInfo {
    SystemInfo();

    // The address space the process may use, in bytes.
    std::uint64_t addressSpaceBytes = 0;
    // The unit of /proc/stat's times.
    std::int64_t ticksPerSecond = 100;
    linux_kernel::UserLocale locale;

    // The files' texts, read again each time into the same storage.
    std::string procStat;
    std::string meminfo;
    std::string status;
};

}  // namespace ostrel::platform
