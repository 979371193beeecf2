#pragma once
// "scolivet --export OUT INPUT": opens the document INPUT, or imports the
// simulator graph export INPUT, into a page view that is never shown, and
// writes the page to OUT: its picture (.svg, .png, .emf, .wmf or .pdf) or the
// document (.scv), with no window and no display needed. OUT is never INPUT. "scolivet --capture
// PORT --export OUT" does the same with the waveforms of the oscilloscope on the serial port PORT.
#include <QString>

class TIsisGraph;

// Whether the command line asks for an export or a capture ("--export OUT",
// "--export=OUT", "--capture PORT"). Read before the application object
// exists.
bool WantsHeadlessExport(int argc, char **argv);
// To be called before the application object exists: an export needs no
// display, so the offscreen platform is used unless one was asked for.
void PrepareHeadlessPlatform();
// Runs the export. Returns the process exit status: 0 on success, 1 with
// the French reason on standard error otherwise.
int HeadlessExport(const QString &outFile, const QString &inputFile);
// The export's work on a page made for it: reads inputFile (a document, or
// any file to import) into page and writes the page to outFile, its picture
// or, for ".scv", the document. A page set for conversion is drawn for a
// picture only, once. Returns the French reason of a failure, empty on
// success.
QString ConvertFile(TIsisGraph &page, const QString &inputFile, const QString &outFile);
// Runs the capture and the export, with the same exit status.
int HeadlessCapture(const QString &outFile, const QString &port);
