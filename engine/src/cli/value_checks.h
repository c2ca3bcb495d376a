#pragma once

// Checks of single option values. Each returns an error message (without the
// "error: " prefix and without the option name) or the normalised value.

#include "model/disc_model.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvi::engine::cli {

template <typename T>
struct Checked {
    std::optional<T> value;
    std::string problem; // set when value is empty
    static Checked fail(std::string why) { return {std::nullopt, std::move(why)}; }
};

Checked<uint16_t> checkGenre(std::string_view text);
Checked<DiscDate> checkDate(std::string_view text); // YYYY-MM-DD, a real calendar day
Checked<uint16_t> checkYear(std::string_view text); // YYYY, 1..9999
Checked<std::string> checkCatalogNumber(std::string_view text);
Checked<std::string> checkBarcode(std::string_view text); // UPC-A / EAN-13 with its check digit
Checked<std::string> checkIsrc(std::string_view text);    // -> 12 characters, letters upper case
Checked<uint32_t> checkNumber(std::string_view text, uint32_t min, uint32_t max);

} // namespace orvi::engine::cli
