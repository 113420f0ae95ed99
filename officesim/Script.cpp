#include "officesim/Script.h"

#include <windows.h>

#include <cwctype>

#include "classlib/Format.h"
#include "officesim/HostDriver.h"

namespace officesim {

namespace {

enum class For { AnyHost, Outlook, Word };

struct Command {
    const wchar_t *name;
    For host;
    size_t args;
    const wchar_t *usage;
};

const Command kCommands[] = {
    {L"open-inspector", For::Outlook, 2, L"open-inspector <kind> \"Subject\""},
    {L"close-inspector", For::Outlook, 0, L"close-inspector"},
    {L"switch-folder", For::Outlook, 1, L"switch-folder \"\\\\Store\\Folder\""},
    {L"send", For::Outlook, 0, L"send"},
    {L"select", For::Outlook, 1, L"select \"Subject\""},
    {L"new-document", For::Word, 0, L"new-document"},
    {L"open-document", For::Word, 1, L"open-document \"C:\\Path\\File.docx\""},
    {L"close-document", For::Word, 0, L"close-document"},
    {L"click-ribbon", For::AnyHost, 1, L"click-ribbon <id>"},
    {L"click-bar", For::AnyHost, 1, L"click-bar <caption>"},
    {L"unload", For::AnyHost, 1, L"unload <ProgID>"},
    {L"quit", For::AnyHost, 0, L"quit"},
    {L"quit-fast", For::Outlook, 0, L"quit-fast"},
};

[[noreturn]] void Fail(int line, const std::wstring &message) {
    throw EScriptError(classlib::Format(L"line %d: %s", {line, message}));
}

std::vector<std::wstring> Tokens(const std::wstring &line, int number) {
    std::vector<std::wstring> tokens;
    size_t i = 0;
    for (;;) {
        while (i < line.size() && iswspace(line[i]))
            ++i;
        if (i >= line.size())
            return tokens;
        if (line[i] == L'"') {
            size_t end = line.find(L'"', i + 1);
            if (end == std::wstring::npos)
                Fail(number, L"a quoted argument is not closed");
            tokens.push_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
            if (i < line.size() && !iswspace(line[i]))
                Fail(number, L"a blank must follow a quoted argument");
        } else {
            size_t start = i;
            while (i < line.size() && !iswspace(line[i]))
                ++i;
            tokens.push_back(line.substr(start, i - start));
        }
    }
}

bool IsQuit(const Step &step) {
    return step.command == L"quit" || step.command == L"quit-fast";
}

} // namespace

std::wstring Step::Text() const {
    std::wstring text = command;
    for (const std::wstring &arg : args) {
        bool plain = !arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos;
        text += plain ? L" " + arg : L" \"" + arg + L"\"";
    }
    return text;
}

std::vector<Step> ParseScript(const std::wstring &text, HostKind host, int version) {
    std::vector<Step> steps;
    size_t start = 0;
    for (int number = 1; start <= text.size(); ++number) {
        size_t end = text.find(L'\n', start);
        std::wstring line = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        start = end == std::wstring::npos ? text.size() + 1 : end + 1;
        std::vector<std::wstring> tokens = Tokens(line, number);
        if (tokens.empty() || tokens[0][0] == L'#')
            continue;
        if (!steps.empty() && IsQuit(steps.back()))
            Fail(number, L"nothing can follow " + steps.back().command);
        const Command *command = nullptr;
        for (const Command &candidate : kCommands)
            if (tokens[0] == candidate.name)
                command = &candidate;
        if (command == nullptr)
            Fail(number, L"unknown step " + tokens[0]);
        if (tokens.size() - 1 != command->args)
            Fail(number, std::wstring(L"the step is written ") + command->usage);
        bool outlook = host == HostKind::Outlook;
        if ((command->host == For::Outlook && !outlook) || (command->host == For::Word && outlook))
            Fail(number, tokens[0] + L" is a step for " + (outlook ? L"Word" : L"Outlook"));
        if (tokens[0] == L"quit-fast" && version < 14)
            Fail(number,
                 classlib::Format(L"quit-fast is Outlook 14's shutdown, not Outlook %d's", {version}));
        if (tokens[0] == L"open-inspector" && !IsItemKind(tokens[1]))
            Fail(number,
                 L"unknown item kind " + tokens[1] + L" (mail, post, appointment, contact, task, journal)");
        steps.push_back(Step{tokens[0], {tokens.begin() + 1, tokens.end()}, number});
    }
    if (steps.empty() || !IsQuit(steps.back()))
        steps.push_back(Step{L"quit", {}, 0});
    return steps;
}

std::vector<Step> DefaultSession(HostKind host, int version) {
    if (host == HostKind::Word)
        return {
            {L"open-document",
             {version >= 12 ? L"C:\\Documents\\Report.docx" : L"C:\\Documents\\Report.doc"}},
            {L"new-document", {}},
            {L"close-document", {}},
            {L"close-document", {}},
            {L"quit", {}},
        };
    return {
        {L"switch-folder", {L"\\\\Personal Folders\\Sent Items"}},
        {L"switch-folder", {L"\\\\Personal Folders\\Inbox"}},
        {L"open-inspector", {L"mail", kInboxSubjects[0]}},
        {L"close-inspector", {}},
        {L"open-inspector", {L"mail", L"New message"}},
        {L"send", {}},
        {version >= 14 ? L"quit-fast" : L"quit", {}},
    };
}

std::wstring ReadScriptFile(const std::wstring &path) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw EScriptError(L"cannot open the script " + path);
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE)
        return std::wstring(reinterpret_cast<const wchar_t *>(bytes.data() + 2), (bytes.size() - 2) / 2);
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        bytes.erase(0, 3);
    return classlib::Utf8ToWide(bytes);
}

} // namespace officesim
