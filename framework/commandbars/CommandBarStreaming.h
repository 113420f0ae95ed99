// How bars and popups stream their controls of mixed kinds in the module's form: "ButtonTypes" (binary:
// a 32-bit little-endian count, then one 32-bit kind per control) and "Buttons" (the controls as a
// collection, each created by the kind at its position). The kinds are read first and kept in Types
// until the controls are read.
#pragma once
#include <cstdint>
#include <vector>

#include "classlib/Persistent.h"
#include "framework/commandbars/CommandBarKinds.h"

namespace framework {

class TzidCommandBarControls;

void DefineCommandBarControls(classlib::TFiler &Filer, TzidCommandBarControls &Controls,
                              std::vector<TzidCommandBarControlType> &Types);

// The kinds of a "ButtonTypes" value; EReadError when the length does not match its count or a
// number is no kind.
std::vector<TzidCommandBarControlType> DecodeButtonTypes(const std::vector<uint8_t> &Data);
std::vector<uint8_t> EncodeButtonTypes(const TzidCommandBarControls &Controls);

} // namespace framework
