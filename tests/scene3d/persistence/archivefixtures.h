#pragma once
// Byte fixtures of the engine's archives, kept as commented hex in
// tests/scene3d/persistence/archives/<name>.hex (the archive fuzzer's
// corpus starts from them too).
#include <string>

std::string ArchiveFixture(const std::string& Name);
