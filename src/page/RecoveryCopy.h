#pragma once
// The recovery copy of a page with unsaved changes, in two parts written
// through the document writer. The samples part holds the page's series and
// is written once per import; the page part holds the rest (the document's
// name, the time of the copy, the series' names, units and colours, and the
// document's lines after its series) and is written again
// after changes. Both parts name one stamp, so that parts of two different
// copies are never read together.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <string_view>

class QIODevice;
class TDatas;
class TIsisGraph;

struct TRecoveryInfo {
    // Names the samples part that goes with the page part.
    QString Stamp;
    // The page's document, empty for a page never opened nor saved.
    QString DocumentName;
    // When the copy was made.
    QDateTime Time;
};

// Writes the samples part of series to out; false when out refused bytes.
bool WriteRecoverySamples(QIODevice &out, const TDatas &series, const QString &stamp);

// The page part of page.
QByteArray RecoveryPageBytes(const TIsisGraph &page, const TRecoveryInfo &info);

// The first lines of a page part; nothing, and the French reason in why,
// when they cannot be read or the part is not whole.
std::optional<TRecoveryInfo> ReadRecoveryInfo(std::string_view pagePart, QString *why);

// Replaces the page by the copy's, under the copy's document name, counting
// as unsaved. A copy that cannot be
// read whole leaves the page as it was; returns the French reason then,
// empty on success.
QString LoadRecoveryCopy(TIsisGraph &page, std::string_view samplesPart,
                         std::string_view pagePart);
