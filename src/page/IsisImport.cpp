// The page view's imports of series files: a simulator graph export, or any
// file FileKind recognises, each read aside and shown as one XY graph (an
// oscilloscope's capture as one oscilloscope screen, an AC analysis as a
// Bode page).
#include "data/FileKind.h"
#include "data/SpiceRaw.h"
#include "data/TableReader.h"
#include "data/UData.h"
#include "graphs/TMath.h"
#include "page/ScopeCsvImport.h"
#include "page/TIsisGraph.h"
#include <algorithm>
#include <array>

namespace
{

const QString NotRecognised = QStringLiteral("Format de fichier non reconnu\n");

bool ReadIsisExport(const QString &fileName, TDatas &datas, QString &why, const TPartChooser &,
                    TSpiceRawInfo &)
{
    return datas.LoadFromIsisFile(fileName, &why);
}

bool ReadSpiceRaw(const QString &fileName, TDatas &datas, QString &why,
                  const TPartChooser &choose, TSpiceRawInfo &info)
{
    return LoadSpiceRawFile(fileName, datas, &why, &info, choose);
}

bool ReadTable(const QString &fileName, TDatas &datas, QString &why, const TPartChooser &,
               TSpiceRawInfo &)
{
    return LoadTableFile(fileName, datas, &why);
}

// Each reader may tell what the series are (an AC analysis) through info.
struct SeriesReader {
    TFileKind Kind;
    bool (*Read)(const QString &fileName, TDatas &datas, QString &why, const TPartChooser &choose,
                 TSpiceRawInfo &info);
};

constexpr std::array<SeriesReader, 3> SeriesReaders{{
    {TFileKind::IsisExport, ReadIsisExport},
    {TFileKind::SpiceRaw, ReadSpiceRaw},
    {TFileKind::Table, ReadTable},
}};

QString Unsupported()
{
    QStringList labels;
    for (const TFileFormat &format : FileFormats())
        labels << QString::fromUtf8(format.Label);
    return NotRecognised + QStringLiteral("Le fichier n'est d'aucun des formats pris en charge (%1).")
                               .arg(labels.join(QStringLiteral(", ")));
}

} // namespace

void TIsisGraph::ImportSeries(TDatas series)
{
    SetSelected(nullptr);
    FileName.clear();
    // The graphs refer to the series they draw: free them before the series.
    SetGraphCount(0);
    *Datas = std::move(series);
    SetZoom(1);
    // Labels are placed at the final width: widening the page later would
    // stretch the gaps between them but not the labels.
    SetMFWidth(2000);
    AppendGraph(std::unique_ptr<TAxe>(TMath::CreateFromDatas(this, Datas->AllButFirst(), 0)));
    // The one graph takes the whole height.
    SetMFHeight(1500);
    startHistory();
    Redraw();
}

// The file is read aside: a file that cannot be read leaves the page, its
// series, its selection and its file name exactly as they were.
bool TIsisGraph::ImportIsis(const QString &fileName, QString *why)
{
    TDatas fresh;
    QString reason;
    if (!fresh.LoadFromIsisFile(fileName, &reason)) {
        if (why)
            *why = NotRecognised + reason;
        return false;
    }
    ImportSeries(std::move(fresh));
    return true;
}

bool TIsisGraph::ImportFile(const QString &fileName, QString *why, const TPartChooser &choose)
{
    QString reason;
    const TFileKind kind = FileKindOf(fileName, &reason);
    const auto reader = std::find_if(SeriesReaders.begin(), SeriesReaders.end(),
                                      [kind](const SeriesReader &r) { return r.Kind == kind; });
    TDatas fresh;
    TSpiceRawInfo info;
    if (!reason.isEmpty()) {
        reason.prepend(NotRecognised);
    } else if (kind == TFileKind::ScopeCsv) {
        // One oscilloscope screen, with the other channel files of the capture.
        if (ImportScopeCsv(*this, fileName, reason))
            return true;
        reason.prepend(NotRecognised);
    } else if (reader == SeriesReaders.end()) {
        reason = Unsupported();
    } else if (reader->Read(fileName, fresh, reason, choose, info)) {
        if (info.Ac && !info.GainPhase.empty())
            ImportBode(std::move(fresh), info.GainPhase);
        else
            ImportSeries(std::move(fresh));
        return true;
    } else if (!reason.isEmpty()) {
        reason.prepend(NotRecognised);
    }
    if (why)
        *why = reason;
    return false;
}
