#pragma once
// What tests of several folders share: a temporary folder removed afterwards,
// paths of the source tree, and making a lighting database.
#include <filesystem>
#include <string>

class TTempDir {
public:
    TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;
    ~TTempDir();
    std::string File(const std::string& name) const { return (FPath / name).string(); }
    const std::filesystem::path& Path() const { return FPath; }

private:
    std::filesystem::path FPath;
};

// A path of the source tree.
std::string SourceFile(const std::string& relative);
// Runs scripts/create-database; its exit status.
int RunCreateDatabase(const std::string& schema, const std::string& target);
