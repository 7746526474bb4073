#include "platform/messages.h"

#include <gtest/gtest.h>
#include <vector>

namespace zorva {
namespace {

TEST(Messages, AHookSeesEveryMessageAndAnswersTheQuestions) {
    std::vector<std::pair<TMessageKind, std::string>> seen;
    bool answer = true;
    SetMessageHook([&](TMessageKind kind, const std::string& text) {
        seen.emplace_back(kind, text);
        return answer;
    });

    ShowError("Unable to write to Zorva.ini");
    ShowInformation("You must place a bet first.");
    EXPECT_TRUE(AskYesNo("Start a New Game?"));
    answer = false;
    EXPECT_FALSE(AskYesNo("Start a New Game?"));
    SetMessageHook({});

    const std::vector<std::pair<TMessageKind, std::string>> expected{
        {TMessageKind::Error, "Unable to write to Zorva.ini"},
        {TMessageKind::Information, "You must place a bet first."},
        {TMessageKind::Question, "Start a New Game?"},
        {TMessageKind::Question, "Start a New Game?"},
    };
    EXPECT_EQ(seen, expected);
}

} // namespace
} // namespace zorva
