#include "options/default_saver.h"

#include "common/numeric.h"

namespace ostrel {

bool IsThisProgram(const std::string& value) {
    return UpperCase(value) == UpperCase(kOwnFileName);
}

}  // namespace ostrel
