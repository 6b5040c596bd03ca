// The stream's count of texts cut by the end of the data, which document loaders use to fail a
// truncated file, and the stamp values kept between comparisons.
#include <gtest/gtest.h>

#include "common/ScriptedPrompter.h"
#include "common/TSpecStream.h"

using namespace ftf;

TEST(SpecStreamShortTexts, CountsEveryCutTextAndResetsWithNewContent) {
    ScriptedPrompter prompter;
    ScopedPrompter guard(prompter);
    TSpecStream s;
    WriteText(s, "abc");
    WriteText(s, "de");
    TSpecStream whole = s;
    whole.Rewind();
    EXPECT_EQ(ReadText(whole), "abc");
    EXPECT_EQ(ReadText(whole), "de");
    EXPECT_EQ(whole.ShortTexts(), 0u);

    std::vector<std::uint8_t> cut(s.Bytes().begin(), s.Bytes().end() - 1);
    TSpecStream shortStream(cut);
    EXPECT_EQ(ReadText(shortStream), "abc");
    EXPECT_EQ(shortStream.ShortTexts(), 0u);
    EXPECT_EQ(ReadText(shortStream), "d");
    EXPECT_EQ(shortStream.ShortTexts(), 1u);
    EXPECT_EQ(prompter.Texts(PromptCall::Kind::Error).size(), 1u);
    shortStream.Clear();
    EXPECT_EQ(shortStream.ShortTexts(), 0u);
}

TEST(SpecStreamShortTexts, StampValuesStayRightAcrossManyStamps) {
    // More distinct stamps than are kept, interleaved with bad ones, in two rounds.
    for (int round = 0; round < 2; ++round) {
        for (int d = 1; d <= 9; ++d) {
            const std::string stamp = "0" + std::to_string(d) + ".02.2019";
            EXPECT_EQ(VersionValue(stamp), 2019 * 365 + 2 * 31 + d) << stamp;
            EXPECT_THROW(VersionValue("x" + stamp), SpecFormatError);
        }
        EXPECT_TRUE(VersionBefore("01.01.2020", "26.12.2019"));
        EXPECT_FALSE(VersionBefore("31.12.2019", "01.01.2020"));
    }
}
