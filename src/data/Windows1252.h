#pragma once
// Text from 8-bit files written on Windows hosts (byte 0xB5 is "µ").
#include <QString>
#include <string_view>

QString FromWindows1252(std::string_view bytes);
