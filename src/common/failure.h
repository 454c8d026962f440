#pragma once
// A failure carries a number and a description, the way the program reports
// every error to the user ("[number] description"). The source names the
// operation that raised it, for the sampler's own error codes.

#include <cstdint>
#include <string>

namespace ostrel {

struct Failure {
    std::int32_t number = 0;
    std::string description;
    std::string source;
};

// Numbers for the run-time failures the program can meet on its own.
inline constexpr std::int32_t kErrOutOfMemory = 7;
inline constexpr std::int32_t kErrOverflow = 6;
inline constexpr std::int32_t kErrSubscript = 9;
inline constexpr std::int32_t kErrFileNotFound = 53;
inline constexpr std::int32_t kErrDllEntryPoint = 453;
inline constexpr std::int32_t kErrDllNotFound = 48;

[[noreturn]] void ThrowOverflow();

// The object-error base that the sampler's own codes are added to.
inline constexpr std::uint32_t kObjectErrorBase = 0x80040000u;
inline std::int32_t ObjectError(std::int32_t code) {
    return static_cast<std::int32_t>(kObjectErrorBase + static_cast<std::uint32_t>(code));
}

// Runs step after step; a step that fails is skipped and the next one still runs.
template <typename... Steps>
void RunSkippingFailures(Steps&&... steps) {
    auto run = [](auto&& step) {
        try {
            step();
        } catch (const Failure&) {
        }
    };
    (run(steps), ...);
}

}  // namespace ostrel
