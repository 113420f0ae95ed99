// How Office calls an add-in's ribbon callbacks: the name the document gives through
// GetIDsOfNames on the add-in's IDispatch, then Invoke with DISPATCH_METHOD and the arguments
// reversed in rgvarg, as for any automation call; and how officesim shows what came back.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <string>
#include <vector>

#include "classlib/OleVariant.h"

namespace officesim {

struct CallbackAnswer {
    bool ok = false;
    classlib::OleVariant value; // the result, when ok
    std::wstring error;         // what failed, when not ok
};

// args in the callback's declared order; a by-reference argument is a VT_BYREF|VT_VARIANT variant
// pointing at the caller's value (see ByRef).
CallbackAnswer InvokeCallback(IDispatch *addIn, const std::wstring &name,
                              const std::vector<classlib::OleVariant> &args);

// A VT_BYREF|VT_VARIANT argument referring to target, which must outlive the call.
classlib::OleVariant ByRef(classlib::OleVariant &target);

// A result as the transcript shows it: "text" in quotes, True/False, numbers, "picture (bitmap
// 16x16)", Nothing, (nothing) for Empty.
std::wstring DescribeValue(const VARIANT &value);

} // namespace officesim
