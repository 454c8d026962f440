#include "common/failure.h"

namespace ostrel {

void ThrowOverflow() {
    throw Failure{kErrOverflow, "Overflow", ""};
}

void ThrowOutOfMemory() {
    throw Failure{kErrOutOfMemory, "Out of memory", ""};
}

void ThrowSubscriptOutOfRange() {
    throw Failure{kErrSubscript, "Subscript out of range", ""};
}

void ThrowInvalidProperty() {
    throw Failure{kErrInvalidProperty, "Invalid property value", ""};
}

std::string CriticalFailureText(const std::string& what, const Failure& failure) {
    return "Critical Error encountered while loading " + what + ": \r" + failure.description +
           " [" + std::to_string(failure.number) + "]";
}

std::string StepFailureText(const std::string& step, const Failure& failure) {
    return step + "\r\n[" + std::to_string(failure.number) + "] " + failure.description;
}

}  // namespace ostrel
