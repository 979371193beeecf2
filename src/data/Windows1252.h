#pragma once
// Text to and from 8-bit files written on Windows hosts (byte 0xB5 is "µ").
#include <QString>
#include <string_view>

QString FromWindows1252(std::string_view bytes);
// One byte per character: a character the code page lacks becomes '?'.
QByteArray ToWindows1252(QStringView text);
