#include "app/getfile.h"

#include <gtest/gtest.h>

TEST(GetFile, NameIsWhatFollowsTheLastSlash)
{
    EXPECT_EQ(GetFileName("/texts/report.final.txt"), "report.final.txt");
    EXPECT_EQ(GetFileName("plain.txt"), "plain.txt");
    EXPECT_EQ(GetFileName("/texts/"), "");
    EXPECT_EQ(GetFileName(""), "");
}

TEST(GetFile, BaseNameStopsAtTheFirstDot)
{
    EXPECT_EQ(GetBaseName("/texts/report.final.txt"), "report");
    EXPECT_EQ(GetBaseName("/a/b/notes.2024.txt"), "notes");
    EXPECT_EQ(GetBaseName("/a.dir/noext"), "noext");
    EXPECT_EQ(GetBaseName("/a/.hidden.txt"), ".hidden");
    EXPECT_EQ(GetBaseName("/a/.txt"), ".txt");
    EXPECT_EQ(GetBaseName("/文本/春日.txt"), "春日");
    EXPECT_EQ(GetBaseName(""), "");
}
