#pragma once
// Objects that archive themselves in the engine's tagged format: to and from
// streams, files and strings, behind an optional file signature, each class
// writing its own archive version first.
#include <memory>
#include <string>

#include "platform/rtl/persistent.h"
#include "scene3d/persistence/virtualarchive.h"

class TStream;

class TPersistentObject : public TPersistent {
    LT_CLASS(TPersistentObject)
public:
    TPersistentObject() = default;

    // Raw bytes written ahead of the archive by SaveToStream and required by
    // LoadFromStream; none here.
    virtual std::string ArchiveSignature() const { return {}; }
    // The writer and reader used when none is asked for: the binary ones.
    virtual TVirtualWriterClass WriterClass() const;
    virtual TVirtualReaderClass ReaderClass() const;

    // A new object of this class (registered with RegisterArchiveClass)
    // assigned from this one; EClassNotFound for a class not registered.
    std::unique_ptr<TPersistentObject> Clone() const;
    // Descendants write their archive version first, then their data, and
    // read them back in the same order.
    virtual void WriteToArchive(TVirtualWriter& Writer) const;
    virtual void ReadFromArchive(TVirtualReader& Reader);

    // A null class takes WriterClass() or ReaderClass().
    void SaveToStream(TStream& Stream, TVirtualWriterClass WriterKind = nullptr) const;
    // EInvalidArchiveSignature "Invalid file signature" when the stream does
    // not start with ArchiveSignature(), before any value is read.
    void LoadFromStream(TStream& Stream, TVirtualReaderClass ReaderKind = nullptr);
    // Creates (or empties) the file; loading opens it with writes by others
    // denied and raises EFOpenError "File not found: ..." when it is missing.
    void SaveToFile(const std::string& FileName, TVirtualWriterClass WriterKind = nullptr) const;
    void LoadFromFile(const std::string& FileName, TVirtualReaderClass ReaderKind = nullptr);
    std::string SaveToString() const;
    void LoadFromString(const std::string& Data);

    // A source of exactly this class is copied through its archive; other
    // sources go to TPersistent::Assign.
    void Assign(const TPersistent* Source) override;

protected:
    // EFilerException "<class> : unknown archive version <n>".
    [[noreturn]] void RaiseFilerException(int ArchiveVersion) const;
};
