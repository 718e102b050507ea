#include "tests/scene3d/persistence/archivefixtures.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tests/support/hexbytes.h"
#include "tests/support/testsupport.h"

std::string ArchiveFixture(const std::string& Name)
{
    std::ifstream file(SourceFile("tests/scene3d/persistence/archives/" + Name + ".hex"));
    if (!file)
        throw std::runtime_error("no archive fixture " + Name);
    std::string digits;
    std::string line;
    while (std::getline(file, line))
        digits += line.substr(0, line.find('#')) + ' ';
    return Hex(digits);
}
