#pragma once
// The editor as a person runs it: the window shown, the recovery copies of
// an earlier crash offered, the file given opened, then the event loop; the
// copy goes when the window is closed.
#include <QStringList>
#include <functional>

class QApplication;
class TForm1;

// files: the command line's positional arguments, the first one opened.
// started, when given, runs just before the event loop.
int RunEditor(QApplication &app, const QStringList &files,
              const std::function<void(TForm1 &)> &started = {});
