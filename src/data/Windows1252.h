#pragma once
// Text to and from 8-bit files written on Windows hosts (byte 0xB5 is "µ").
#include <QByteArray>
#include <QString>
#include <string_view>

QString FromWindows1252(std::string_view bytes);
// The text as a message quotes it: at most its first 40 characters, then
// "…" when there were more.
QString ShownInMessage(std::string_view bytes);
// One byte per character: a character the code page lacks becomes '?'.
QByteArray ToWindows1252(QStringView text);
// Whether every character of the text has a byte in the code page.
bool FitsWindows1252(QStringView text);
