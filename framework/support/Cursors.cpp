#include "framework/support/Cursors.h"

#include "classlib/Exceptions.h"

namespace framework {

TzidCursors::~TzidCursors() {
    for (HCURSOR cursor : cursors_)
        if (cursor != nullptr)
            DestroyCursor(cursor);
}

HCURSOR TzidCursors::Cursor(int index) const {
    if (index < 0 || index >= CursorCount)
        classlib::ListIndexError(index);
    return cursors_[index];
}

void TzidCursors::SetCursor(int index, HCURSOR cursor) {
    if (index < 0 || index >= CursorCount)
        classlib::ListIndexError(index);
    if (cursors_[index] != nullptr && cursors_[index] != cursor)
        DestroyCursor(cursors_[index]);
    cursors_[index] = cursor;
}

} // namespace framework
