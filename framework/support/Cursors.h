// The framework's cursor holder: a state word and two cursors it owns, destroyed with it.
#pragma once
#include <windows.h>

namespace framework {

class TzidCursors {
public:
    static constexpr int CursorCount = 2;

    TzidCursors() noexcept = default;
    ~TzidCursors();
    TzidCursors(const TzidCursors &) = delete;
    TzidCursors &operator=(const TzidCursors &) = delete;

    WORD State() const noexcept { return state_; }
    // Null when none is set; raises EListError for an index outside 0..CursorCount-1.
    HCURSOR Cursor(int index) const;
    // Takes over cursor; the one it replaces is destroyed.
    void SetCursor(int index, HCURSOR cursor);

private:
    WORD state_ = 1;
    HCURSOR cursors_[CursorCount] = {};
};

} // namespace framework
