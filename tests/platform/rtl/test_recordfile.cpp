#include "platform/rtl/recordfile.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include <sys/resource.h>

namespace {

constexpr std::size_t kSize = 8;
using TRecord = std::array<char, kSize>;

class RecordFileTest : public ::testing::Test {
protected:
    std::string File(const std::string& name) const { return FDir.File(name); }
    static std::string Contents(const std::string& fileName)
    {
        std::ifstream in(fileName, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void SetContents(const std::string& fileName, const std::string& contents)
    {
        std::ofstream(fileName, std::ios::binary) << contents;
    }
    // The error Action raises.
    static EInOutError ErrorOf(const std::function<void()>& Action)
    {
        try {
            Action();
        } catch (const EInOutError& e) {
            return e;
        }
        ADD_FAILURE() << "no EInOutError";
        return EInOutError("", 0);
    }

private:
    TTempDir FDir;
};

TRecord Record(const char* text)
{
    TRecord r{};
    std::memcpy(r.data(), text, kSize);
    return r;
}

TEST_F(RecordFileTest, RecordsWrittenAreReadBackInOrderUntilTheEnd)
{
    const std::string name = File("three.dat");
    SetContents(name, "an older and longer content");
    {
        TRecordFile file(name, kSize, TRecordFileMode::rfCreate);
        for (const char* text : {"record-1", "record-2", "record-3"})
            file.Write(Record(text).data());
    }
    EXPECT_EQ(Contents(name), "record-1record-2record-3");

    TRecordFile file(name, kSize, TRecordFileMode::rfRead);
    TRecord r{};
    for (const char* text : {"record-1", "record-2", "record-3"}) {
        file.Read(r.data());
        EXPECT_EQ(r, Record(text));
    }
    const EInOutError e = ErrorOf([&] { file.Read(r.data()); });
    EXPECT_EQ(e.ErrorCode(), ioReadBeyondEndOfFile);
    EXPECT_EQ(e.Message(), "Read beyond end of file");
}

TEST_F(RecordFileTest, ARecordCutShortByTheEndIsAnErrorAfterTheWholeOnes)
{
    const std::string name = File("short.dat");
    SetContents(name, "record-1rec");
    TRecordFile file(name, kSize, TRecordFileMode::rfRead);
    TRecord r{};
    file.Read(r.data());
    EXPECT_EQ(r, Record("record-1"));
    EXPECT_EQ(ErrorOf([&] { file.Read(r.data()); }).ErrorCode(), ioReadBeyondEndOfFile);
}

TEST_F(RecordFileTest, FilesThatCannotBeOpenedOrCreatedGiveTheSystemsReason)
{
    struct Case {
        const char* what;
        std::string name;
        TRecordFileMode mode;
        int code;
    };
    const Case cases[] = {
        {"missing file", File("missing.dat"), TRecordFileMode::rfRead, ENOENT},
        {"create in a missing folder", File("no-such-dir/new.dat"), TRecordFileMode::rfCreate, ENOENT},
        {"create over a folder", File(""), TRecordFileMode::rfCreate, EISDIR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const EInOutError e = ErrorOf([&] { TRecordFile(c.name, kSize, c.mode); });
        EXPECT_EQ(e.ErrorCode(), c.code);
        EXPECT_EQ(e.Message(), std::strerror(c.code));
    }
    // A folder opens for reading; reading it fails.
    TRecordFile folder(File(""), kSize, TRecordFileMode::rfRead);
    TRecord r{};
    EXPECT_EQ(ErrorOf([&] { folder.Read(r.data()); }).ErrorCode(), EISDIR);
}

// Holds the process's file size limit at Bytes, writes past it failing with
// EFBIG instead of a signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t Bytes)
    {
        getrlimit(RLIMIT_FSIZE, &FOld);
        FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = FOld;
        limit.rlim_cur = Bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }

private:
    rlimit FOld{};
    void (*FOldHandler)(int);
};

TEST_F(RecordFileTest, AFailedWriteGivesTheSystemsReasonAndKeepsWhatWasWritten)
{
    const std::string name = File("full.dat");
    TRecordFile file(name, kSize, TRecordFileMode::rfCreate);
    EInOutError e("", 0);
    {
        const FileSizeLimit limit(kSize + 3);
        file.Write(Record("record-1").data());
        e = ErrorOf([&] { file.Write(Record("record-2").data()); });
    }
    EXPECT_EQ(e.ErrorCode(), EFBIG);
    EXPECT_EQ(e.Message(), std::strerror(EFBIG));
    EXPECT_EQ(Contents(name), "record-1rec");
}

} // namespace
