#include "scene3d/persistence/persistentobject.h"

#include <typeinfo>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "scene3d/persistence/archiveclasses.h"
#include "scene3d/persistence/archiveexceptions.h"
#include "scene3d/persistence/binaryreader.h"
#include "scene3d/persistence/binarywriter.h"
#include "scene3d/persistence/fileaccess.h"

LT_IMPLEMENT_CLASS(TPersistentObject, TPersistent) {}

TVirtualWriterClass TPersistentObject::WriterClass() const
{
    return &CreateArchiveWriter<TBinaryWriter>;
}

TVirtualReaderClass TPersistentObject::ReaderClass() const
{
    return &CreateArchiveReader<TBinaryReader>;
}

std::unique_ptr<TPersistentObject> TPersistentObject::Clone() const
{
    const TArchiveClass* archiveClass = FindArchiveClass(ClassName());
    std::unique_ptr<TPersistentObject> copy = archiveClass ? archiveClass->Create() : nullptr;
    if (!copy || typeid(*copy) != typeid(*this))
        throw EClassNotFound("Class " + ClassName() + " not found");
    copy->Assign(this);
    return copy;
}

void TPersistentObject::WriteToArchive(TVirtualWriter&) const {}

void TPersistentObject::ReadFromArchive(TVirtualReader&) {}

void TPersistentObject::SaveToStream(TStream& Stream, TVirtualWriterClass WriterKind) const
{
    const std::unique_ptr<TVirtualWriter> writer = (WriterKind ? WriterKind : WriterClass())(Stream);
    const std::string signature = ArchiveSignature();
    if (!signature.empty())
        writer->Write(signature.data(), static_cast<int64_t>(signature.size()));
    WriteToArchive(*writer);
}

void TPersistentObject::LoadFromStream(TStream& Stream, TVirtualReaderClass ReaderKind)
{
    const std::unique_ptr<TVirtualReader> reader = (ReaderKind ? ReaderKind : ReaderClass())(Stream);
    const std::string signature = ArchiveSignature();
    if (!signature.empty()) {
        std::string found(signature.size(), '\0');
        const int64_t count = Stream.Read(found.data(), static_cast<int64_t>(found.size()));
        if (found.substr(0, static_cast<std::size_t>(count)) != signature)
            throw EInvalidArchiveSignature("Invalid file signature");
    }
    ReadFromArchive(*reader);
}

void TPersistentObject::SaveToFile(const std::string& FileName, TVirtualWriterClass WriterKind) const
{
    SaveToStream(*OpenFileStream(FileName, fmCreate), WriterKind);
}

void TPersistentObject::LoadFromFile(const std::string& FileName, TVirtualReaderClass ReaderKind)
{
    LoadFromStream(*OpenFileStream(FileName, fmOpenRead | fmShareDenyWrite), ReaderKind);
}

std::string TPersistentObject::SaveToString() const
{
    TStringStream stream;
    SaveToStream(stream);
    return stream.DataString();
}

void TPersistentObject::LoadFromString(const std::string& Data)
{
    TStringStream stream(Data);
    LoadFromStream(stream);
}

void TPersistentObject::Assign(const TPersistent* Source)
{
    if (Source && typeid(*Source) == typeid(*this))
        LoadFromString(static_cast<const TPersistentObject*>(Source)->SaveToString());
    else
        TPersistent::Assign(Source);
}

void TPersistentObject::RaiseFilerException(int ArchiveVersion) const
{
    throw EFilerException(ClassName() + " : unknown archive version " + std::to_string(ArchiveVersion));
}
