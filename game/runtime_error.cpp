#include "game/runtime_error.h"

#include <limits>

namespace tarvo {

namespace {

// The descriptions are marked for translation; the error box translates them.
#define TARVO_TRANSLATE(context, text) text

std::string DescriptionOf(int number) {
    switch (number) {
    case kOverflow:
        return TARVO_TRANSLATE("RuntimeError", "Overflow");
    case kSubscriptOutOfRange:
        return TARVO_TRANSLATE("RuntimeError", "Subscript out of range");
    default:
        return TARVO_TRANSLATE("RuntimeError", "Application-defined or object-defined error");
    }
}

} // namespace

RuntimeError::RuntimeError(int number, const std::string& description, Report report)
    : std::runtime_error(std::to_string(number) + ": " + description), number_(number),
      description_(description), report_(report) {}

std::string RuntimeError::message() const {
    return what();
}

void RaiseError(int number) {
    throw RuntimeError(number, DescriptionOf(number));
}

int16_t CheckedInt16(long long value) {
    if (value < std::numeric_limits<int16_t>::min() ||
        value > std::numeric_limits<int16_t>::max()) {
        RaiseError(kOverflow);
    }
    return static_cast<int16_t>(value);
}

} // namespace tarvo
