#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "about/Disclaimer.h"
#include "common/Product.h"

namespace {
const std::string kSevenTabs(7, '\t');
}

TEST(Disclaimer, HasItsFixedLengthAndNoLineBreak) {
    const std::string& text = disclaimerText();
    EXPECT_EQ(text.size(), 524 + std::strlen(product::kContactEmail));
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text.find('\r'), std::string::npos);
}

TEST(Disclaimer, SeparatesItsPiecesWithTabsAndEndsWithTheAddress) {
    const std::string& text = disclaimerText();
    EXPECT_EQ(text.rfind("THIS SOFTWARE IS PROVIDED AS IS WITHOUT WARRANTY", 0), 0u);
    const std::string firstBreak =
        "MALFUNCTION OF THIS SOFTWARE PRODUCT." + kSevenTabs + std::string(8, ' ') + "If you plan";
    EXPECT_NE(text.find(firstBreak), std::string::npos);
    const std::string ending =
        "I'm curious to see where it ends up :)" + kSevenTabs + std::string(product::kContactEmail);
    ASSERT_GE(text.size(), ending.size());
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
    EXPECT_EQ(text.find('\t'), text.find(firstBreak) + 37) << "no other tab before piece 2";
}

TEST(Disclaimer, IsTheSameObjectEveryTime) { EXPECT_EQ(&disclaimerText(), &disclaimerText()); }
