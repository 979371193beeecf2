#include "page/ScopeCsvImport.h"
#include "data/FileKind.h"
#include "data/ScopeCsvReader.h"
#include "data/SystemFileName.h"
#include "page/OscImport.h"
#include "page/TIsisGraph.h"
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <optional>

namespace
{

// "F0001CH1.CSV": the acquisition number, then what the file holds.
const QRegularExpression CaptureName(QStringLiteral("^F(\\d+)\\D\\w*\\.csv$"),
                                     QRegularExpression::CaseInsensitiveOption);

bool SameTimeBase(const TChannelData &a, const TChannelData &b)
{
    auto close = [](double x, double y, double scale) {
        return std::fabs(x - y) <= 1e-9 * std::fabs(scale);
    };
    return a.NrPt == b.NrPt && a.PtOff == b.PtOff && a.XUnit == b.XUnit &&
           close(a.XIncr, b.XIncr, a.XIncr) && close(a.XZero, b.XZero, a.XIncr);
}

std::optional<std::size_t> ChannelIndex(char tag)
{
    const auto at = std::find_if(OscChannels.begin(), OscChannels.end(),
                                 [tag](const TOscChannel &c) { return c.Tag == tag; });
    if (at == OscChannels.end())
        return std::nullopt;
    return std::size_t(at - OscChannels.begin());
}

} // namespace

QStringList CaptureFiles(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QRegularExpressionMatch own = CaptureName.match(info.fileName());
    QStringList files{fileName};
    if (!own.hasMatch())
        return files;
    const QDir folder = info.dir();
    for (const QString &name : FileNamesInFolder(info.path())) {
        const QRegularExpressionMatch match = CaptureName.match(name);
        if (match.hasMatch() && match.captured(1) == own.captured(1) && name != info.fileName())
            files << folder.filePath(name);
    }
    return files;
}

bool ImportScopeCsv(TIsisGraph &page, const QString &fileName, QString &why)
{
    const QStringList files = CaptureFiles(fileName);
    std::array<std::optional<TScopeCsv>, OscChannels.size()> channels;
    const TChannelData *timeBase = nullptr;
    for (const QString &file : files) {
        const bool chosen = file == fileName;
        if (!chosen && FileKindOf(file) != TFileKind::ScopeCsv)
            continue;
        TScopeCsv channel;
        QString reason;
        if (!LoadScopeCsvFile(file, channel, &reason)) {
            why = chosen ? reason : QFileInfo(file).fileName() + QStringLiteral(" : ") + reason;
            return false;
        }
        const std::optional<std::size_t> index = ChannelIndex(channel.Tag);
        if (!index || channels[*index] || (timeBase && !SameTimeBase(*timeBase, channel.Record)))
            continue;
        channels[*index] = std::move(channel);
        if (chosen)
            timeBase = &channels[*index]->Record;
    }
    std::array<const TChannelData *, OscChannels.size()> records{};
    for (std::size_t k = 0; k < channels.size(); ++k)
        records[k] = channels[k] ? &channels[k]->Record : nullptr;
    return page.ImportOscSeries(OscSeries(*timeBase, false, records));
}
