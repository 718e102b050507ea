#pragma once
// A shared library opened by name at run time and closed with its holder.
#include <string>

class TDynamicLibrary {
public:
    TDynamicLibrary() = default;
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;
    ~TDynamicLibrary();

    // Opens the library (closing one held before); false when it cannot be
    // loaded, with the loader's reason in Error().
    bool Open(const std::string& Name);
    void Close();
    bool IsOpen() const { return FHandle != nullptr; }
    // The address of an exported symbol, or nullptr.
    void* Symbol(const char* Name) const;
    const std::string& Error() const { return FError; }

private:
    void* FHandle = nullptr;
    std::string FError;
};
