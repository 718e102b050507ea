#include "scene3d/utils/filetext.h"

#include <gtest/gtest.h>

#include "tests/support/testsupport.h"

namespace {

TEST(FileText, WritesReadsAndSizesWholeFiles)
{
    TTempDir dir;
    const std::string name = dir.File("notes.txt");
    const char bytes[] = "first line\r\nзаметка\0tail";
    const std::string text(bytes, sizeof bytes - 1);
    WriteFileText(name, text);
    EXPECT_EQ(ReadFileText(name), text);
    EXPECT_EQ(FileSizeOf(name), 31);

    WriteFileText(name, "");   // empties it
    EXPECT_EQ(ReadFileText(name), "");
    EXPECT_EQ(FileSizeOf(name), 0);
}

TEST(FileText, AMissingFileReadsEmpty)
{
    TTempDir dir;
    EXPECT_EQ(ReadFileText(dir.File("none.txt")), "");
    EXPECT_EQ(FileSizeOf(dir.File("none.txt")), 0);
    EXPECT_EQ(ReadFileText(dir.Path().string()), "") << "a folder is no file";
}

} // namespace
