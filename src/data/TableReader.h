#pragma once
// Tables of numbers saved as text by spreadsheets, loggers and scripts:
// cells separated by commas, semicolons, tabs or blanks, a decimal point or a
// decimal comma, an optional line of column names (a unit in brackets after a
// name becomes the series' unit), blank cells as gaps. Text is UTF-8 or
// Windows-1252, or UTF-16 behind its byte-order mark.
#include <QString>
#include <string_view>

class TDatas;

// Replaces the series by one analog series per column, series 0 the first
// column; a blank or missing cell is a gap (NaN). A table needs two columns
// at least. On false the collection is empty and why, when given, holds the
// French reason with the line at fault.
bool LoadTable(std::string_view bytes, TDatas &datas, QString *why = nullptr);

// The same from a file.
bool LoadTableFile(const QString &fileName, TDatas &datas, QString *why = nullptr);

// Whether the first bytes of a file hold a line of numbers that a table
// layout explains.
bool LooksLikeTable(std::string_view head);
