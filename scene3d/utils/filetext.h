#pragma once
// Whole files as strings, opened through the engine's file access.
#include <cstdint>
#include <string>

// Creates or empties the file and writes the bytes of Text.
void WriteFileText(const std::string& FileName, const std::string& Text);
// The whole file; "" when there is no such file.
std::string ReadFileText(const std::string& FileName);
// The size in bytes; 0 when there is no such file.
int64_t FileSizeOf(const std::string& FileName);
