#include "classlib/TypeCodes.h"

#include "classlib/Format.h"
#include "classlib/Reader.h"

namespace classlib {

namespace {

uint32_t ReadUInt32(const std::vector<uint8_t> &Data, size_t Offset) {
    return uint32_t(Data[Offset]) | uint32_t(Data[Offset + 1]) << 8 | uint32_t(Data[Offset + 2]) << 16 |
           uint32_t(Data[Offset + 3]) << 24;
}

void WriteUInt32(std::vector<uint8_t> &Data, uint32_t Value) {
    for (int shift = 0; shift < 32; shift += 8)
        Data.push_back(static_cast<uint8_t>(Value >> shift));
}

} // namespace

std::vector<uint32_t> DecodeTypeCodes(const std::vector<uint8_t> &Data, uint32_t Limit,
                                      const TTypeCodeWords &Words) {
    if (Data.size() < 4)
        throw EReadError(
            Format(L"%s holds %d bytes: too short for its count", {Words.Property, int(Data.size())}));
    const uint32_t count = ReadUInt32(Data, 0);
    if (Data.size() != 4 + 4 * uint64_t(count))
        throw EReadError(Format(L"%s counts %u %s but holds %d bytes of them",
                                {Words.Property, count, Words.Codes, int(Data.size() - 4)}));
    std::vector<uint32_t> codes;
    codes.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t code = ReadUInt32(Data, 4 + 4 * size_t(i));
        if (code >= Limit)
            throw EReadError(Format(L"%s[%u]: %u is not %s", {Words.Property, i, code, Words.NotACode}));
        codes.push_back(code);
    }
    return codes;
}

std::vector<uint8_t> EncodeTypeCodes(const std::vector<uint32_t> &Codes) {
    std::vector<uint8_t> data;
    data.reserve(4 + 4 * Codes.size());
    WriteUInt32(data, static_cast<uint32_t>(Codes.size()));
    for (uint32_t code : Codes)
        WriteUInt32(data, code);
    return data;
}

} // namespace classlib
