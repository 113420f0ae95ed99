// TTSY: the add-in's COM class (Tessary.TSY), the object Office creates and connects.
#pragma once
#include "framework/core/AddInObject.h"

namespace tessary {

class TTSY : public framework::TdivAzore {};

} // namespace tessary
