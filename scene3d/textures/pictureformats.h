#pragma once
// The picture file formats texture images load: extensions (lower case,
// with their dot) and the graphic class each makes, ".bmp" the platform
// bitmap from the start. An extension not listed here is looked up in the
// platform's registered picture formats.
#include <functional>
#include <memory>
#include <string>

class TGraphic;

using TGraphicCreator = std::function<std::unique_ptr<TGraphic>()>;

// Adds or replaces the entry of an extension (any case, one leading dot
// allowed).
void RegisterPictureFormat(const std::string& Extension, TGraphicCreator Creator);
// A new, empty graphic for the file name's extension, or nullptr.
std::unique_ptr<TGraphic> CreateGraphicForFile(const std::string& FileName);
// The file read into a new graphic of its extension's class. An unknown
// extension raises EInvalidGraphic, a missing file EFOpenError; the graphic
// goes again when reading fails.
std::unique_ptr<TGraphic> LoadGraphicFromFile(const std::string& FileName);
