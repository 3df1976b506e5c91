// Fuzz target for the text of the settings dialog's interval field as the
// dialog reads it: accepted exactly when it is a decimal number (blanks
// around it, an optional +), read as that number (held at 2^32 - 1), and
// the number shown for it reads back the same.
#include <charconv>
#include <climits>
#include <string>

#include "fuzzinput.h"
#include "platform/afx/afxnumber.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    UINT value = 12345;
    const bool accepted = afx::ParseUnsigned(text, value);

    std::string_view number = text;
    while (!number.empty() && (number.front() == ' ' || number.front() == '\t'))
        number.remove_prefix(1);
    while (!number.empty() && (number.back() == ' ' || number.back() == '\t'))
        number.remove_suffix(1);
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    const bool digits = !number.empty() && number.find_first_not_of("0123456789") == std::string_view::npos;
    Check(accepted == digits, "the field took what is no number, or refused a number");
    if (!accepted) {
        Check(value == 12345, "a refused text changed the value");
        return 0;
    }
    unsigned long long expected = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), expected);
    if (error == std::errc::result_out_of_range || expected > UINT_MAX)
        expected = UINT_MAX;
    Check(value == expected, "the number read is not the one written");
    UINT again = 0;
    Check(afx::ParseUnsigned(std::to_string(value), again) && again == value, "the shown number does not read back");
    return 0;
}
