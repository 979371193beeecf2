#pragma once
// The help command: the French help page shipped in the program's data
// folder, shown by the desktop's viewer.
#include <QString>

// help/Scolivet.html in the program's directory.
QString HelpFilePath();

// Opens the help page; a missing page or viewer is not reported.
void ShowHelp();
