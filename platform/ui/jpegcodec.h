#pragma once
// JPEG files to and from images, with libjpeg. Every fault of the library
// (corrupt or truncated data, a warning about corrupt data included) raises
// EJPEG with the library's message and message code.
#include <string>

#include <QImage>

// The pixels of a JPEG file held in Data (RGB32); never reads outside Data.
QImage DecodeJpeg(const std::string& Data);
// A baseline JPEG file of Image at Quality (0 .. 100).
std::string EncodeJpeg(const QImage& Image, int Quality);
