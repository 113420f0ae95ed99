// The form streams' list of item classes of a mixed collection: a 32-bit count, then one 32-bit code
// per item, little-endian. Every collection that holds items of several classes streams its codes so.
#pragma once
#include <cstdint>
#include <vector>

namespace classlib {

struct TTypeCodeWords {
    const wchar_t *Property; // "ControlTypes", "ButtonTypes" ...
    const wchar_t *Codes;    // what the codes are, plural ("class codes")
    const wchar_t *NotACode; // what a code at or above Limit is not ("a ribbon control class code")
};

// Raises EReadError, naming the property, for a list whose size does not fit its count or that holds
// a code at or above Limit.
std::vector<uint32_t> DecodeTypeCodes(const std::vector<uint8_t> &Data, uint32_t Limit,
                                      const TTypeCodeWords &Words);
std::vector<uint8_t> EncodeTypeCodes(const std::vector<uint32_t> &Codes);

} // namespace classlib
