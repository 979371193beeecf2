#pragma once
// The help command: the French help pages shipped with the program, shown in
// a browser window of the main window's (offline, links between pages kept).
#include <QString>

class QWidget;

// Scolivet.html beside the program (help/ in the build) or in the installed
// data folder; empty when neither holds it.
QString HelpFilePath();

// Shows the help window of owner, created at its first use; a missing help
// page is not reported.
void ShowHelp(QWidget &owner);
