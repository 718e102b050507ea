#include "scene3d/persistence/fileaccess.h"

#include "platform/rtl/exceptions.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(FileAccess, CreateThenOpenExisting)
{
    TTempDir dir;
    const std::string name = dir.File("scene.bin");
    EXPECT_FALSE(FileIsPresent(name));
    {
        const auto stream = OpenFileStream(name, fmCreate);
        stream->WriteBuffer("abc", 3);
    }
    EXPECT_TRUE(FileIsPresent(name));
    {
        const auto stream = OpenFileStream(name, fmOpenReadWrite | fmShareDenyWrite);
        stream->Seek(0, TSeekOrigin::soEnd);
        stream->WriteBuffer("def", 3);
    }
    {
        const auto stream = OpenFileStream(name, fmOpenRead);
        char contents[6];
        stream->ReadBuffer(contents, 6);
        EXPECT_EQ(std::string(contents, 6), "abcdef");
        EXPECT_EQ(stream->Size(), 6);
    }
    // Creating again empties the file.
    EXPECT_EQ(OpenFileStream(name, fmCreate | fmShareExclusive)->Size(), 0);
}

TEST(FileAccess, MissingFileIsReportedByName)
{
    TTempDir dir;
    std::filesystem::create_directory(dir.File("folder"));
    for (const std::string& name : {dir.File("missing.bin"), dir.File("folder")}) {
        EXPECT_FALSE(FileIsPresent(name)) << name;
        for (uint16_t mode : {fmOpenRead, fmOpenWrite, fmOpenReadWrite}) {
            try {
                OpenFileStream(name, mode);
                ADD_FAILURE() << "opened " << name;
            } catch (const Exception& e) {
                EXPECT_EQ(e.Message(), "File not found: \"" + name + "\"");
            }
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing.bin"))) << "opening must not create";
}

}  // namespace
