#include "data/FileKind.h"
#include "data/DocumentReader.h"
#include "data/IsisSniff.h"
#include "data/ReadableFile.h"
#include "data/ScopeCsvReader.h"
#include "data/SpiceRawText.h"
#include "data/TableReader.h"
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>

namespace
{

TSniff SniffDocument(std::string_view head)
{
    return HasDocumentBanner(head.substr(0, head.find('\n'))) ? TSniff::Yes : TSniff::No;
}

// A header of quoted names: other tables may start the same way, and are
// told apart by the lines that follow.
TSniff SniffIsisExport(std::string_view head)
{
    switch (LookForIsisExport(head, head.size() < SniffBytes)) {
    case TIsisLook::Export:
        return TSniff::Maybe;
    case TIsisLook::Header:
        return TSniff::Unlikely;
    case TIsisLook::No:
        break;
    }
    return TSniff::No;
}

TSniff SniffSpiceRaw(std::string_view head)
{
    return LooksLikeSpiceRaw(head) ? TSniff::Yes : TSniff::No;
}

TSniff SniffScopeCsv(std::string_view head)
{
    return LooksLikeScopeCsv(head) ? TSniff::Yes : TSniff::No;
}

// Lines of numbers: an export of quoted names may hold them too, and comes
// first among equals.
TSniff SniffTable(std::string_view head)
{
    return LooksLikeTable(head) ? TSniff::Maybe : TSniff::No;
}

// clang-format off
constexpr std::array<TFileFormat, 5> Formats{{
    {TFileKind::Document, "Document Scolivet", "*.scv", SniffDocument},
    {TFileKind::SpiceRaw, "Simulation SPICE", "*.raw;*.bin", SniffSpiceRaw},
    {TFileKind::ScopeCsv, "Oscillogramme enregistré par l'oscilloscope", "*.csv", SniffScopeCsv},
    {TFileKind::IsisExport, "Graphe Isis", "*.dat", SniffIsisExport},
    {TFileKind::Table, "Tableau de valeurs", "*.csv;*.tsv;*.txt", SniffTable},
}};
// clang-format on

bool NameMatches(const TFileFormat &format, const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const QStringList patterns = QString::fromLatin1(format.Patterns).split(QLatin1Char(';'));
    return std::any_of(patterns.begin(), patterns.end(), [&](const QString &pattern) {
        return QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive)
            .match(name)
            .hasMatch();
    });
}

} // namespace

std::span<const TFileFormat> FileFormats()
{
    return Formats;
}

TFileKind SniffFileKind(std::string_view head, const QString &fileName)
{
    const TFileFormat *maybe = nullptr;
    const TFileFormat *unlikely = nullptr;
    for (const TFileFormat &format : Formats) {
        const TSniff sniff = format.Sniff(head);
        if (sniff == TSniff::Yes)
            return format.Kind;
        if (sniff == TSniff::Maybe &&
            (!maybe || (!NameMatches(*maybe, fileName) && NameMatches(format, fileName))))
            maybe = &format;
        if (sniff == TSniff::Unlikely && !unlikely)
            unlikely = &format;
    }
    if (maybe)
        return maybe->Kind;
    return unlikely ? unlikely->Kind : TFileKind::Unknown;
}

TFileKind FileKindOf(const QString &fileName, QString *why)
{
    TReadableFile file;
    QString reason;
    char head[SniffBytes];
    const std::int64_t got =
        file.Open(fileName, reason) ? file.ReadAt(0, head, sizeof head, reason) : -1;
    if (got <= 0) {
        if (why)
            *why = got == 0 ? QStringLiteral("Le fichier est vide.") : reason;
        return TFileKind::Unknown;
    }
    return SniffFileKind(std::string_view(head, std::size_t(got)), fileName);
}

QString ImportFileFilter()
{
    QStringList all;
    QStringList each;
    for (const TFileFormat &format : Formats) {
        if (format.Kind == TFileKind::Document)
            continue;
        const QString patterns = QString::fromLatin1(format.Patterns);
        for (const QString &pattern : patterns.split(QLatin1Char(';'))) {
            if (!all.contains(pattern))
                all << pattern;
        }
        each << QString::fromUtf8(format.Label) << patterns;
    }
    return (QStringList{QStringLiteral("Tous les fichiers pris en charge"),
                        all.join(QLatin1Char(';'))} +
            each)
        .join(QLatin1Char('|'));
}
