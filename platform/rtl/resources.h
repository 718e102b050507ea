#pragma once
// Text resources compiled into the program (stored descriptions): looked up
// by file name under the resource folder.
#include <string>

class TComponent;

// Raises EResNotFound "Resource <name> not found".
std::string LoadResourceText(const std::string& Name);
// Reads the stored description Name into Root.
void ReadComponentResource(TComponent& Root, const std::string& Name);
// The folder of the running executable, without a trailing separator.
std::string ExecutableFolder();
