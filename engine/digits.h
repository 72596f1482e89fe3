// Decimal digits of an unsigned number written straight into a buffer, two
// at a time as std::to_chars does, but inline so that the row loop keeps it.
#pragma once

#include <cstdint>

namespace zerkovan {

// Writes value at p (room for 10 characters) and returns the end.
inline char *WriteDigits(char *p, std::uint32_t value)
{
    static constexpr char Pairs[] = "00010203040506070809101112131415161718192021222324"
                                    "25262728293031323334353637383940414243444546474849"
                                    "50515253545556575859606162636465666768697071727374"
                                    "75767778798081828384858687888990919293949596979899";
    const int length = value < 10           ? 1
                       : value < 100        ? 2
                       : value < 1000       ? 3
                       : value < 10000      ? 4
                       : value < 100000     ? 5
                       : value < 1000000    ? 6
                       : value < 10000000   ? 7
                       : value < 100000000  ? 8
                       : value < 1000000000 ? 9
                                            : 10;
    char *const end = p + length;
    char *q = end;
    while (value >= 100) {
        const std::uint32_t pair = value % 100 * 2;
        value /= 100;
        *--q = Pairs[pair + 1];
        *--q = Pairs[pair];
    }
    if (value >= 10) {
        const std::uint32_t pair = value * 2;
        *--q = Pairs[pair + 1];
        *--q = Pairs[pair];
    } else {
        *--q = char('0' + value);
    }
    return end;
}

} // namespace zerkovan
