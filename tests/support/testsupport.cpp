#include "tests/support/testsupport.h"

#include <cstdlib>
#include <stdexcept>
#include <sys/wait.h>

TTempDir::TTempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "lighting-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    FPath = pattern;
}

TTempDir::~TTempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
}

std::string SourceFile(const std::string& relative)
{
    return std::string(LIGHTING_SOURCE_DIR) + "/" + relative;
}

namespace {

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

int RunCreateDatabase(const std::string& schema, const std::string& target)
{
    const std::string command = ShellQuoted(SourceFile("scripts/create-database")) + " " + ShellQuoted(schema)
                                + " " + ShellQuoted(target) + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
