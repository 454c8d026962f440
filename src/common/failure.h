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
inline constexpr std::int32_t kErrOverflow = 6;
inline constexpr std::int32_t kErrOutOfMemory = 7;
inline constexpr std::int32_t kErrSubscript = 9;
inline constexpr std::int32_t kErrDivisionByZero = 11;
inline constexpr std::int32_t kErrDllNotFound = 48;
inline constexpr std::int32_t kErrFileNotFound = 53;
inline constexpr std::int32_t kErrInvalidProperty = 380;
inline constexpr std::int32_t kErrDllEntryPoint = 453;

[[noreturn]] void ThrowOverflow();
[[noreturn]] void ThrowOutOfMemory();
[[noreturn]] void ThrowSubscriptOutOfRange();
// A value a control or font cannot take.
[[noreturn]] void ThrowInvalidProperty();

// The object-error base that the sampler's own codes are added to.
inline constexpr std::uint32_t kObjectErrorBase = 0x80040000u;
inline std::int32_t ObjectError(std::int32_t code) {
    return static_cast<std::int32_t>(kObjectErrorBase + static_cast<std::uint32_t>(code));
}

// The text of a failure that ends the program: "Critical Error encountered
// while loading " + what + ": ", a lone carriage return, the description and
// the number in brackets.
std::string CriticalFailureText(const std::string& what, const Failure& failure);

// The text of a step that failed and was given up: the step (ending in a
// colon), CR LF, "[number] description".
std::string StepFailureText(const std::string& step, const Failure& failure);

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
