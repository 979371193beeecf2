#pragma once
// A capture the oscilloscope saved from its front panel, one CSV file per
// channel, becomes the page a serial transfer of the same waveforms gives:
// one oscilloscope screen, built by the oscilloscope import from the records
// the files stand for.
#include <QString>
#include <QStringList>

class TIsisGraph;

// The files of the capture a channel file belongs to: itself, then the files
// of its folder named with the same acquisition number ("F0001CH1.CSV",
// "F0001CH2.CSV"), in name order. A file named otherwise is alone.
QStringList CaptureFiles(const QString &fileName);

// Replaces the page by the capture of fileName. Files of the capture that
// are no channel files, repeat a channel or have another time base (a
// spectrum beside waveforms) are left out. On false the page is as it was
// and why holds the reason, naming the file at fault when it is not
// fileName.
bool ImportScopeCsv(TIsisGraph &page, const QString &fileName, QString &why);
