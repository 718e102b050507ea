#include "platform/rtl/streams.h"

#include "platform/rtl/exceptions.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include <stdlib.h>

namespace {

namespace fs = std::filesystem;

// A fresh directory removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "rtl-streams-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        FPath = pattern;
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() { fs::remove_all(FPath); }
    std::string File(const std::string& name) const { return (FPath / name).string(); }

private:
    fs::path FPath;
};

std::string ReadFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& fileName, const std::string& contents)
{
    std::ofstream(fileName, std::ios::binary) << contents;
}

TEST(MemoryStream, WriteSeekReadRoundTrip)
{
    TMemoryStream stream;
    const int32_t number = 0x12345678;
    const std::string text = "привет";
    stream.WriteBuffer(&number, sizeof number);
    stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
    const int64_t total = static_cast<int64_t>(sizeof number + text.size());
    EXPECT_EQ(stream.Size(), total);
    EXPECT_EQ(stream.Position(), total);
    EXPECT_EQ(std::memcmp(static_cast<const char*>(stream.Memory()) + sizeof number, text.data(), text.size()), 0);

    stream.SetPosition(0);
    int32_t readNumber = 0;
    std::string readText(text.size(), '\0');
    stream.ReadBuffer(&readNumber, sizeof readNumber);
    stream.ReadBuffer(readText.data(), static_cast<int64_t>(readText.size()));
    EXPECT_EQ(readNumber, number);
    EXPECT_EQ(readText, text);
    EXPECT_EQ(stream.Read(&readNumber, 1), 0);  // at the end
}

TEST(MemoryStream, SeekOrigins)
{
    TStringStream stream("0123456789");
    EXPECT_EQ(stream.Seek(3, TSeekOrigin::soBeginning), 3);
    EXPECT_EQ(stream.Seek(2, TSeekOrigin::soCurrent), 5);
    EXPECT_EQ(stream.Seek(-4, TSeekOrigin::soEnd), 6);
    EXPECT_EQ(stream.ReadString(2), "67");
    EXPECT_EQ(stream.ReadString(100), "89");
}

TEST(MemoryStream, WritingPastTheEndFillsTheGapWithZeros)
{
    TMemoryStream stream;
    stream.WriteBuffer("ab", 2);
    stream.SetPosition(5);
    stream.WriteBuffer("z", 1);
    const auto* bytes = static_cast<const char*>(stream.Memory());
    EXPECT_EQ(std::string(bytes, 6), std::string("ab\0\0\0z", 6));
}

TEST(MemoryStream, SetSizeTruncatesAndClampsPosition)
{
    TStringStream stream("abcdef");
    stream.SetPosition(4);
    stream.SetSize(2);
    EXPECT_EQ(stream.Position(), 2);
    EXPECT_EQ(stream.DataString(), "ab");
    stream.SetPosition(1);
    stream.SetSize(4);
    EXPECT_EQ(stream.Position(), 1);
    EXPECT_EQ(stream.DataString(), std::string("ab\0\0", 4));
    stream.Clear();
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_EQ(stream.Position(), 0);
}

TEST(MemoryStream, ShortReadRaisesReadError)
{
    TStringStream stream("abc");
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 8), 3);  // Read itself just reports the short count
    stream.SetPosition(1);
    try {
        stream.ReadBuffer(buffer, 3);
        FAIL() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
}

TEST(MemoryStream, CopyFrom)
{
    TStringStream source("hello world");
    source.SetPosition(source.Size());

    TStringStream whole;
    EXPECT_EQ(whole.CopyFrom(source, 0), 11);  // 0: all of it, from the start
    EXPECT_EQ(whole.DataString(), "hello world");

    source.SetPosition(6);
    TStringStream part("> ");
    part.SetPosition(2);
    EXPECT_EQ(part.CopyFrom(source, 3), 3);
    EXPECT_EQ(part.DataString(), "> wor");

    TStringStream tooMuch;
    EXPECT_THROW(tooMuch.CopyFrom(source, 5), EReadError);
}

TEST(StringStream, WriteStringOverwritesAtThePosition)
{
    TStringStream stream("abcdef");
    EXPECT_EQ(stream.Position(), 0);
    stream.SetPosition(2);
    stream.WriteString("XYZW!");
    EXPECT_EQ(stream.DataString(), "abXYZW!");
}

TEST(MemoryStream, FileRoundTrip)
{
    TempDir dir;
    const std::string fileName = dir.File("data.bin");
    TStringStream original(std::string("bin\0ary", 7));
    original.SaveToFile(fileName);
    EXPECT_EQ(ReadFile(fileName), std::string("bin\0ary", 7));

    TStringStream loaded("stale contents, longer than the file");
    loaded.SetPosition(5);
    loaded.LoadFromFile(fileName);
    EXPECT_EQ(loaded.DataString(), std::string("bin\0ary", 7));
    EXPECT_EQ(loaded.Position(), 0);
}

TEST(FileStream, ReadWriteSeekAndResize)
{
    TempDir dir;
    const std::string fileName = dir.File("f.txt");
    {
        TFileStream file(fileName, fmCreate);
        file.WriteBuffer("0123456789", 10);
        EXPECT_EQ(file.Size(), 10);
        EXPECT_EQ(file.Seek(-3, TSeekOrigin::soEnd), 7);
        char buffer[3] = {};
        file.ReadBuffer(buffer, 3);
        EXPECT_EQ(std::string(buffer, 3), "789");
        file.SetSize(4);
        EXPECT_EQ(file.Position(), 4);
        EXPECT_THROW(file.ReadBuffer(buffer, 1), EReadError);
    }
    EXPECT_EQ(ReadFile(fileName), "0123");

    TFileStream reader(fileName, fmOpenRead | fmShareDenyNone);
    EXPECT_THROW(reader.WriteBuffer("x", 1), EWriteError);
    EXPECT_EQ(reader.FileName(), fileName);
}

TEST(FileStream, CreateEmptiesAnExistingFile)
{
    TempDir dir;
    const std::string fileName = dir.File("f.txt");
    WriteFile(fileName, "old contents");
    {
        TFileStream file(fileName, fmCreate | fmShareExclusive);
        file.WriteBuffer("new", 3);
    }
    EXPECT_EQ(ReadFile(fileName), "new");
}

TEST(FileStream, OpenAndCreateFailuresNameTheFileAndTheReason)
{
    TempDir dir;
    const std::string missing = dir.File("missing.txt");
    try {
        TFileStream file(missing, fmOpenRead);
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + missing + "\". " + std::strerror(ENOENT));
    }

    const std::string inMissingDir = dir.File("no-such-dir/new.txt");
    try {
        TFileStream file(inMissingDir, fmCreate);
        FAIL() << "no exception";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot create file \"" + inMissingDir + "\". " + std::strerror(ENOENT));
    }

    EXPECT_THROW(TFileStream(dir.File(""), fmOpenRead), EFOpenError);  // a directory
}

TEST(FileStream, ShareModesAmongOpenStreams)
{
    struct Case {
        const char* name;
        uint16_t first;
        uint16_t second;
        bool secondOpens;
    };
    const Case cases[] = {
        {"deny-write reader blocks a writer", fmOpenRead | fmShareDenyWrite, fmOpenWrite | fmShareDenyNone, false},
        {"deny-write reader blocks a read-write open", fmOpenRead | fmShareDenyWrite, fmOpenReadWrite | fmShareDenyNone, false},
        {"deny-write reader blocks create", fmOpenRead | fmShareDenyWrite, fmCreate, false},
        {"deny-write readers coexist", fmOpenRead | fmShareDenyWrite, fmOpenRead | fmShareDenyWrite, true},
        {"deny-write allows plain readers", fmOpenRead | fmShareDenyWrite, fmOpenRead | fmShareDenyNone, true},
        {"exclusive blocks readers", fmOpenReadWrite | fmShareExclusive, fmOpenRead | fmShareDenyNone, false},
        {"no share mode is exclusive", fmOpenRead, fmOpenRead | fmShareDenyNone, false},
        {"deny-none writers coexist", fmOpenReadWrite | fmShareDenyNone, fmOpenReadWrite | fmShareDenyNone, true},
        {"deny-none reader does not block writers", fmOpenRead | fmShareDenyNone, fmOpenWrite | fmShareDenyNone, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string fileName = dir.File("shared.txt");
        WriteFile(fileName, "keep me");
        std::optional<TFileStream> first(std::in_place, fileName, c.first);
        const bool create = (c.second & fmCreate) == fmCreate;
        if (c.secondOpens) {
            EXPECT_NO_THROW(TFileStream(fileName, c.second));
        } else if (create) {
            EXPECT_THROW(TFileStream(fileName, c.second), EFCreateError);
            EXPECT_EQ(ReadFile(fileName), "keep me");  // a refused create leaves the file alone
        } else {
            EXPECT_THROW(TFileStream(fileName, c.second), EFOpenError);
        }
        // Closing the first stream releases its lock.
        first.reset();
        EXPECT_NO_THROW(TFileStream(fileName, c.second));
    }
}

}  // namespace
