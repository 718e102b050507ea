#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "scene3d/persistence/archiveclasses.h"
#include "scene3d/persistence/archiveexceptions.h"
#include "scene3d/persistence/binaryreader.h"
#include "scene3d/persistence/persistentobject.h"
#include "tests/support/hexbytes.h"
#include "tests/support/testsupport.h"

// An archivable object behind a signature, at archive version 1.
class TSignedNote : public TPersistentObject {
    LT_CLASS(TSignedNote)
public:
    std::string ArchiveSignature() const override { return "NOTE"; }
    void WriteToArchive(TVirtualWriter& Writer) const override
    {
        Writer.WriteInteger(1);
        Writer.WriteInteger(Number);
        Writer.WriteString(Text);
    }
    void ReadFromArchive(TVirtualReader& Reader) override
    {
        const int version = Reader.ReadInteger();
        if (version != 1)
            RaiseFilerException(version);
        Number = Reader.ReadInteger();
        Text = Reader.ReadString();
    }

    int Number = 0;
    std::string Text;
};

// Not registered, so it cannot be cloned.
class TUnregisteredNote : public TSignedNote {
    LT_CLASS(TUnregisteredNote)
};

LT_IMPLEMENT_CLASS(TSignedNote, TPersistentObject) {}
LT_IMPLEMENT_CLASS(TUnregisteredNote, TSignedNote) {}

namespace {

[[maybe_unused]] const bool registered = RegisterArchiveClass<TSignedNote>();

TEST(PersistentObject, SavesTheSignatureThenTheArchiveAndLoadsThemBack)
{
    TSignedNote note;
    note.Number = 300;
    note.Text = "Луч";
    const std::string saved = note.SaveToString();
    EXPECT_EQ(ToHex(saved), ToHex("NOTE" + Hex("02 01 03 2C 01 06 06") + "Луч"));

    TSignedNote back;
    back.LoadFromString(saved);
    EXPECT_EQ(back.Number, 300);
    EXPECT_EQ(back.Text, "Луч");

    TTempDir dir;
    note.SaveToFile(dir.File("note.bin"));
    TSignedNote fromFile;
    fromFile.LoadFromFile(dir.File("note.bin"));
    EXPECT_EQ(fromFile.Number, 300);
    EXPECT_THROW(fromFile.LoadFromFile(dir.File("missing.bin")), EFOpenError);
}

TEST(PersistentObject, AForeignSignatureIsRefusedBeforeAnyValueIsRead)
{
    for (const std::string data : {std::string("NOTX") + Hex("02 01 02 05 06 00"), std::string("NO"), std::string()}) {
        TStringStream stream(data);
        TSignedNote note;
        note.Number = 7;
        try {
            note.LoadFromStream(stream);
            ADD_FAILURE() << "loaded " << ToHex(data);
        } catch (const EInvalidArchiveSignature& e) {
            EXPECT_EQ(e.Message(), "Invalid file signature");
        }
        EXPECT_EQ(note.Number, 7);
        EXPECT_LE(stream.Position(), 4);
    }
}

TEST(PersistentObject, AnUnknownArchiveVersionNamesTheClass)
{
    TSignedNote note;
    try {
        note.LoadFromString("NOTE" + Hex("02 02 02 05 06 00"));
        FAIL() << "version 2 was read";
    } catch (const EFilerException& e) {
        EXPECT_EQ(e.Message(), "TSignedNote : unknown archive version 2");
    }
}

TEST(PersistentObject, AssignAndCloneCopyThroughTheArchive)
{
    TSignedNote note;
    note.Number = -5;
    note.Text = "x";
    TSignedNote copy;
    copy.Assign(&note);
    EXPECT_EQ(copy.Number, -5);
    EXPECT_EQ(copy.Text, "x");

    const std::unique_ptr<TPersistentObject> clone = note.Clone();
    ASSERT_EQ(typeid(*clone), typeid(TSignedNote));
    EXPECT_EQ(static_cast<TSignedNote&>(*clone).Number, -5);

    // Another class, even a descendant, is not copied through the archive.
    TUnregisteredNote other;
    EXPECT_THROW(copy.Assign(&other), EConvertError);
    EXPECT_THROW(other.Clone(), EClassNotFound);
}

// A reader that counts the integers it reads.
class TCountingReader : public TBinaryReader {
public:
    using TBinaryReader::TBinaryReader;
    int32_t ReadInteger() override
    {
        ++Integers;
        return TBinaryReader::ReadInteger();
    }
    static inline int Integers = 0;
};

TEST(PersistentObject, TheReaderClassCanBeChosen)
{
    TSignedNote note;
    TStringStream stream(note.SaveToString());
    note.LoadFromStream(stream, &CreateArchiveReader<TCountingReader>);
    EXPECT_EQ(TCountingReader::Integers, 2);
}

} // namespace
