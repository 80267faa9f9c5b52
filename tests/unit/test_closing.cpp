// The close button's guards: asked newest first, the first refusal stops the asking.
#include "kwui/closing.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

TEST(CloseGuards, AskedNewestFirstUntilOneRefusesAndGoneWithTheirScope)
{
    std::string asked;
    bool innerAgrees = true;
    {
        const KW_CloseGuard outer([&] { asked += "outer "; return true; });
        {
            const KW_CloseGuard inner([&] { asked += "inner "; return innerAgrees; });
            EXPECT_TRUE(KW_GuardsAllowClose());
            EXPECT_EQ(asked, "inner outer ");
            asked.clear();
            innerAgrees = false;
            EXPECT_FALSE(KW_GuardsAllowClose());
            EXPECT_EQ(asked, "inner ") << "the outer editor is not asked once the inner one keeps the window";
        }
    }
    asked.clear();
    EXPECT_TRUE(KW_GuardsAllowClose());
    EXPECT_EQ(asked, "");
}

TEST(CloseGuards, ACloseDuringTheQuestionIsRefusedAndAGuardMayComeAndGoWhileAsking)
{
    int questions = 0;
    bool nestedAnswer = true;
    std::unique_ptr<KW_CloseGuard> fromQuestion;
    const KW_CloseGuard editor([&] {
        ++questions;
        nestedAnswer = KW_GuardsAllowClose();  // the close button pressed again while the question is up
        // the question's own screen stands a guard and takes it down again
        fromQuestion.reset(new KW_CloseGuard([] { return false; }));
        fromQuestion.reset();
        return true;
    });
    EXPECT_TRUE(KW_GuardsAllowClose());
    EXPECT_EQ(questions, 1);
    EXPECT_FALSE(nestedAnswer);
}
