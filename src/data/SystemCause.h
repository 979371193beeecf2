#pragma once
// Why a system call on a file failed, in French, from its errno value.
#include <QString>

// Empty when the value is none of the usual causes.
QString SystemCause(int error);
