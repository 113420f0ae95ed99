// officesim's script format: what a line means, what it refuses before anything is loaded, and
// the sessions it plays without a script. A script without quit ends as the host does at quit
// (OfficesimRun.Outlook11ShowsTheBarsTheAddInBuiltAndClicksThem).
#include <gtest/gtest.h>

#include "officesim/Script.h"

using namespace officesim;

namespace {

std::wstring RefusalOf(const std::wstring &text, HostKind host = HostKind::Outlook, int version = 14) {
    try {
        ParseScript(text, host, version);
    } catch (const EScriptError &e) {
        return e.Message();
    }
    return L"(accepted)";
}

TEST(Script, ReadsStepsQuotedArgumentsAndComments) {
    std::vector<Step> steps = ParseScript(L"# a comment\r\n"
                                          L"\r\n"
                                          L"  switch-folder \"\\\\Personal Folders\\Sent Items\"\r\n"
                                          L"open-inspector mail \"Lunch on Friday\"\n"
                                          L"click-ribbon HelloButton\n"
                                          L"click-bar \"&Say hello\"\n"
                                          L"quit-fast",
                                          HostKind::Outlook, 14);
    ASSERT_EQ(5u, steps.size());
    EXPECT_EQ(L"switch-folder", steps[0].command);
    EXPECT_EQ((std::vector<std::wstring>{L"\\\\Personal Folders\\Sent Items"}), steps[0].args)
        << "backslashes are taken literally";
    EXPECT_EQ(3, steps[0].line);
    EXPECT_EQ((std::vector<std::wstring>{L"mail", L"Lunch on Friday"}), steps[1].args);
    EXPECT_EQ(L"open-inspector mail \"Lunch on Friday\"", steps[1].Text());
    EXPECT_EQ(L"click-ribbon HelloButton", steps[2].Text());
    EXPECT_EQ(L"quit-fast", steps[4].command);
    EXPECT_EQ(7, steps[4].line);
}

TEST(Script, RefusesWhatTheHostCannotDoNamingTheLine) {
    EXPECT_EQ(L"line 2: unknown step open", RefusalOf(L"send\nopen \"x\""));
    EXPECT_EQ(L"line 1: the step is written open-inspector <kind> \"Subject\"",
              RefusalOf(L"open-inspector mail"));
    EXPECT_EQ(L"line 1: unknown item kind note (mail, post, appointment, contact, task, journal)",
              RefusalOf(L"open-inspector note \"x\""));
    EXPECT_EQ(L"line 1: a quoted argument is not closed", RefusalOf(L"click-bar \"Say hello"));
    EXPECT_EQ(L"line 1: a blank must follow a quoted argument", RefusalOf(L"click-bar \"Say\"hello"));
    EXPECT_EQ(L"line 2: nothing can follow quit", RefusalOf(L"quit\nsend"));
    EXPECT_EQ(L"line 1: the step is written unload <ProgID>", RefusalOf(L"unload"));
    EXPECT_EQ(L"line 1: switch-folder is a step for Outlook",
              RefusalOf(L"switch-folder Inbox", HostKind::Word));
    EXPECT_EQ(L"line 1: new-document is a step for Word", RefusalOf(L"new-document"));
    EXPECT_EQ(L"line 1: quit-fast is a step for Outlook", RefusalOf(L"quit-fast", HostKind::Word, 14));
    EXPECT_EQ(L"line 1: quit-fast is Outlook 14's shutdown, not Outlook 12's",
              RefusalOf(L"quit-fast", HostKind::Outlook, 12));
    EXPECT_EQ(L"(accepted)", RefusalOf(L"click-ribbon HelloButton\nclick-bar 2", HostKind::Word, 9));
}

TEST(Script, DefaultSessionsEndTheWayTheHostDoes) {
    for (int version : {9, 11, 12, 14}) {
        std::vector<Step> outlook = DefaultSession(HostKind::Outlook, version);
        ASSERT_FALSE(outlook.empty());
        EXPECT_EQ(version >= 14 ? L"quit-fast" : L"quit", outlook.back().command) << version;
        bool inspects = false, sends = false;
        for (const Step &step : outlook) {
            inspects = inspects || (step.command == L"open-inspector" && step.args[1] == kInboxSubjects[0]);
            sends = sends || step.command == L"send";
        }
        EXPECT_TRUE(inspects && sends);
        EXPECT_EQ(L"quit", DefaultSession(HostKind::Word, version).back().command);
    }
}

} // namespace
