#pragma once
// What the toolkit needs around the application object: a private runtime
// folder before it exists (a session without one, such as a headless export
// run by a script, would otherwise draw a warning from Qt) and, once it
// exists, Qt's own French texts for its dialogs, message boxes and the
// command-line help, with French dates and file kinds in the file dialogs.
class QCoreApplication;

// Before the application object: names a private runtime folder when the
// session has none and one can be made, owned by the user and private.
void PrepareRuntimeDir();

// After it: makes French the default locale and loads Qt's French
// translation from Qt's translations folder; false when it is not installed
// (the toolkit then keeps its English words).
bool InstallFrenchToolkit(QCoreApplication &app);
