#pragma once
// The page view's oscilloscope import: the transfer dialog on the page's
// remembered port, then a fresh page of one oscilloscope screen built from
// what the instrument displays. A transfer that is cancelled, fails or finds
// nothing displayed leaves the page as it was.
#include "serial/CPort.h"

class TIsisGraph;
class TTDS;

// ports: the serial ports the dialog lists. True when a page was built.
bool ImportTDS(TIsisGraph &page, const QList<TPortInfo> &ports);

// Replaces the page by the waveforms the link has read; false, with the
// page's message, when the instrument displays nothing.
bool ImportFromLink(TIsisGraph &page, const TTDS &link);
