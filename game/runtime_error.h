#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tarvo {

// A numbered run-time error. The common error trap shows it as "number: description".
class RuntimeError : public std::runtime_error {
public:
    // A lasting fault, such as a damaged file, is told once a session, not at
    // every step that meets it.
    enum class Report { Always, Once };

    RuntimeError(int number, const std::string& description, Report report = Report::Always);

    int number() const { return number_; }
    Report report() const { return report_; }
    const std::string& description() const { return description_; }
    // "number: description", the text of the error box.
    std::string message() const;

private:
    int number_;
    std::string description_;
    Report report_;
};

constexpr int kOverflow = 6;
constexpr int kSubscriptOutOfRange = 9;

[[noreturn]] void RaiseError(int number);

// Narrows to a 16-bit integer, raising "Overflow" when the value does not fit.
int16_t CheckedInt16(long long value);

} // namespace tarvo
