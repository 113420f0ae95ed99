// The add-in object's side of the window engine: the calls the rest of the framework makes on the
// add-in object that the engine answers.
#include "framework/core/AddInObject.h"

namespace framework {

void TdivAzore::ForgetWindowBar(const TzidCustomCommandBar *Bar) noexcept {
    if (windows_)
        windows_->ForgetWindowBar(Bar);
}

std::vector<TzidFollowedWindow> TdivAzore::FollowedOutlookWindows() const {
    return windows_ ? windows_->FollowedOutlookWindows() : std::vector<TzidFollowedWindow>{};
}

void TdivAzore::RemoveOutlookWindowBars() {
    if (windows_)
        windows_->RemoveOutlookWindowBars();
}

} // namespace framework
