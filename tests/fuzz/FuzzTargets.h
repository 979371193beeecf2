#pragma once
// The fuzz targets, one per outside input. Each takes any bytes, runs the
// program's own reader on them and returns what broke, or an empty string.
#include <string>
#include <string_view>

// The bytes as a simulator graph export.
std::string IsisReaderFuzz(std::string_view bytes);
// The bytes as a table of numbers.
std::string TableReaderFuzz(std::string_view bytes);
// The bytes as one channel file of an oscilloscope capture.
std::string ScopeCsvReaderFuzz(std::string_view bytes);
// The first 16 bytes as a value and a resolution to write and read back,
// the rest as a typed number.
std::string EngNumbersFuzz(std::string_view bytes);
// The bytes as a document.
std::string DocumentReaderFuzz(std::string_view bytes);
// The first two bytes choose a text reply or a curve of some points, the
// rest is what the instrument sends.
std::string ReplyParserFuzz(std::string_view bytes);
// The bytes as a SPICE raw file.
std::string SpiceRawFuzz(std::string_view bytes);
