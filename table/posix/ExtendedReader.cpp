#include "table/ExtendedReader.h"

#include <stdexcept>

#include <locale.h>
#include <stdlib.h>

namespace klarvon {

namespace {

// The "C" locale for strtold_l: the user's regional settings (which a GUI toolkit may
// have made the process locale) must never change how the normalised text is read.
locale_t ClassicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (classic == static_cast<locale_t>(nullptr)) {
        throw std::runtime_error("The C locale is not available");
    }
    return classic;
}

} // namespace

// glibc's reader is correctly rounded to extended precision, handles any number of digits
// and gives denormals (or zero) for tiny values rather than failing.
long double ReadExtended(const std::string& normalised) {
    return strtold_l(normalised.c_str(), nullptr, ClassicLocale());
}

} // namespace klarvon
