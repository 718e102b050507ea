#pragma once
// Opening the engine's files.
#include "platform/rtl/streams.h"

#include <memory>
#include <string>

// fmCreate (with any share mode) creates the file or empties it; any other
// mode opens an existing file and raises EFOpenError
// "File not found: \"<name>\"" when there is none.
std::unique_ptr<TFileStream> OpenFileStream(const std::string& fileName, uint16_t mode);
// Whether a file (not a folder) of that name exists.
bool FileIsPresent(const std::string& fileName);
