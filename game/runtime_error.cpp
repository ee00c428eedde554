#include "game/runtime_error.h"

#include <limits>

namespace tarvo {

namespace {

std::string DescriptionOf(int number) {
    switch (number) {
    case kInvalidProcedureCall:
        return "Invalid procedure call or argument";
    case kOverflow:
        return "Overflow";
    case kSubscriptOutOfRange:
        return "Subscript out of range";
    default:
        return "Application-defined or object-defined error";
    }
}

} // namespace

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(std::to_string(number) + ": " + description), number_(number),
      description_(description) {}

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
