#include "HandlerKit.h"

#include <windows.h>

#include <vector>

namespace testsupport {

bool ProcessHeapsValid() {
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 8);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    bool valid = true;
    for (HANDLE heap : heaps)
        valid = HeapValidate(heap, 0, nullptr) != FALSE && valid;
    return valid;
}

} // namespace testsupport
