// Records the trace while it lives, as "channel: message" lines, instead of writing it as debug output.
#pragma once
#include "classlib/Trace.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace testsupport {

class TTraceRecorder {
public:
    TTraceRecorder()
        : scope_([this](const wchar_t *channel, const std::wstring &message) {
              Lines.push_back(std::wstring(channel) + L": " + message);
          }) {}

    // The lines that contain every one of the texts.
    int Count(std::initializer_list<const wchar_t *> texts) const {
        int count = 0;
        for (const std::wstring &line : Lines) {
            bool all = true;
            for (const wchar_t *text : texts)
                all = all && line.find(text) != std::wstring::npos;
            count += all ? 1 : 0;
        }
        return count;
    }

    std::vector<std::wstring> Lines;

private:
    classlib::TTraceSinkScope scope_;
};

} // namespace testsupport
