#include "scene3d/persistence/virtualarchive.h"

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"

LT_IMPLEMENT_CLASS(TVirtualWriter, TObject) {}
LT_IMPLEMENT_CLASS(TVirtualReader, TObject) {}

int64_t TVirtualReader::BytesLeft() const
{
    return FStream.Size() - FStream.Position();
}

void TVirtualReader::CheckBytesLeft(int64_t Count) const
{
    if (Count < 0 || Count > BytesLeft())
        throw EReadError("Stream read error");
}

void TVirtualReader::ReadTypeError() const
{
    throw EReadError(ClassName() + ", read type error");
}
