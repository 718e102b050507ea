#pragma once
// The hook through which a persistent object reads and writes properties that
// published properties cannot express: DefineProperties receives a filer and
// names each such property with the procedures that read and write it.
#include <functional>
#include <string>

class TReader;
class TWriter;
class TStream;

class TFiler {
public:
    using TReaderProc = std::function<void(TReader&)>;
    using TWriterProc = std::function<void(TWriter&)>;
    using TStreamProc = std::function<void(TStream&)>;

    virtual ~TFiler() = default;
    // A property of values (integers, strings, lists ...).
    virtual void DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                                const TWriterProc& WriteData, bool HasData) = 0;
    // A property held as a block of bytes, written as "{hex}".
    virtual void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                                      const TStreamProc& WriteData, bool HasData) = 0;
};
