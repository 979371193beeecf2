// The page view's documents: the page written as lines, and read back aside
// so that a document that cannot be read changes nothing.
#include "data/DocumentReader.h"
#include "data/DocumentSection.h"
#include "data/DocumentWriter.h"
#include "data/EConvertError.h"
#include "data/FileKind.h"
#include "data/ReadableFile.h"
#include "data/TDatas.h"
#include "dialogs/Prompts.h"
#include "graphs/TMath.h"
#include "graphs/TOsc.h"
#include "page/PageExtras.h"
#include "page/TIsisGraph.h"
#include "render/FileSave.h"
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <new>

namespace
{

// Only the banner's presence on the first line counts, the version is not read.
constexpr std::string_view Banner = "Scolivet Version 1.01";

struct GraphRow {
    std::string_view Keyword;
    std::unique_ptr<TAxe> (*Load)(TIsisGraph *page, TDatas *datas, DocumentReader &in);
};

constexpr std::array<GraphRow, 2> graphKinds{{
    {TMath::Keyword, &TMath::CreateFromStrings},
    {TOsc::Keyword, &TOsc::CreateFromStrings},
}};

std::unique_ptr<TAxe> LoadGraph(TIsisGraph *page, TDatas *datas, DocumentReader &in)
{
    const std::string_view keyword = in.NextLine();
    const auto row = std::find_if(graphKinds.begin(), graphKinds.end(),
                                  [&](const GraphRow &r) { return r.Keyword == keyword; });
    if (row == graphKinds.end())
        in.Fail(QStringLiteral("type de graphe inconnu : « %1 »").arg(in.Decode(keyword)));
    return row->Load(page, datas, in);
}

QString CannotOpen(const QString &fileName)
{
    return QStringLiteral("Impossible d'ouvrir le fichier %1").arg(fileName);
}

// The reason read() failed with, empty when it succeeded.
template <typename Read> QString Guarded(Read read)
{
    try {
        return read();
    } catch (const EConvertError &e) {
        return e.Message();
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Mémoire insuffisante pour lire ce document.");
    }
}

} // namespace

QByteArray TIsisGraph::SaveToBytes() const
{
    return DocumentBytes([this](DocumentWriter &out) { writePage(out); });
}

void TIsisGraph::writePage(DocumentWriter &out) const
{
    out.WriteLine(Banner);
    Datas->SaveToStrings(out);
    WriteLayout(out);
}

void TIsisGraph::WriteLayout(DocumentWriter &out) const
{
    out.WriteLine("[Axes]");
    writeAxes(out);
    out.WriteLine("[Axes End]");
    WriteSection(out, PageExtraEntries(*this));
}

void TIsisGraph::writeAxes(DocumentWriter &out) const
{
    out.WriteInt(MFWidth());
    out.WriteColor(BackColor);
    out.WriteInt(std::count_if(m_graphs.begin(), m_graphs.end(),
                               [](const std::unique_ptr<TAxe> &g) { return g != nullptr; }));
    for (const std::unique_ptr<TAxe> &g : m_graphs)
        if (g)
            g->SaveToStrings(out);
}

std::vector<std::unique_ptr<TAxe>> TIsisGraph::readGraphs(TDatas *datas, DocumentReader &in)
{
    std::vector<std::unique_ptr<TAxe>> graphs(std::size_t(in.ReadCount()));
    long long height = 0;
    for (std::unique_ptr<TAxe> &g : graphs) {
        const std::size_t line = in.LineNumber() + 1;
        g = LoadGraph(this, datas, in);
        height += g->Height();
        if (height > PageCoordLimit)
            in.FailAt(line, QStringLiteral("avec ce graphe, la page mesurerait %1 points de haut, "
                                           "plus que les %2 qu'elle peut tenir")
                                .arg(height)
                                .arg(PageCoordLimit));
    }
    return graphs;
}

QString TIsisGraph::LoadFromBytes(std::string_view bytes)
{
    return Guarded([&] {
        DocumentReader in(bytes);
        if (in.AtEnd() || !HasDocumentBanner(in.NextLine()))
            return QStringLiteral("Format de fichier non reconnu");
        auto datas = std::make_unique<TDatas>();
        datas->LoadFromStrings(in);
        readLayout(std::move(datas), in);
        return QString();
    });
}

QString TIsisGraph::LoadLayout(std::unique_ptr<TDatas> datas, DocumentReader &in)
{
    return Guarded([&] {
        readLayout(std::move(datas), in);
        return QString();
    });
}

void TIsisGraph::readLayout(std::unique_ptr<TDatas> datas, DocumentReader &in)
{
    in.Skip();
    const int width = in.ReadInt(PageSize);
    const TColor back = in.ReadColor();
    std::vector<std::unique_ptr<TAxe>> graphs = readGraphs(datas.get(), in);
    in.Skip();
    const TPageExtras extras = ReadPageExtras(in);
    installDocument(std::move(datas), width, back, std::move(graphs), extras);
}

void TIsisGraph::installDocument(std::unique_ptr<TDatas> datas, int width, TColor back,
                                 std::vector<std::unique_ptr<TAxe>> graphs,
                                 const TPageExtras &extras)
{
    SetSelected(nullptr);
    // The graphs refer to the series they draw: free them before the series.
    SetGraphCount(0);
    Datas = std::move(datas);
    BackColor = back;
    ApplyPageExtras(*this, graphs, extras);
    SetMFWidth(width);
    for (std::unique_ptr<TAxe> &g : graphs)
        AppendGraph(std::move(g));
    // Re-stacks from the top: the stored tops give way to the heights.
    SetMFHeight(MFHeight());
    ApplyMarkedValues(*this, extras);
    SetZoom(1);
    startHistory();
    Redraw();
}

QString TIsisGraph::WriteDocument(const QString &fileName, const QStringList &inputs)
{
    QString error;
    try {
        error = SaveFileAtomically(
            fileName,
            [this](QIODevice &file) {
                return WriteDocumentTo(file, [this](DocumentWriter &out) { writePage(out); });
            },
            inputs);
    } catch (const std::bad_alloc &) {
        error = QStringLiteral("Mémoire insuffisante pour enregistrer ce document.");
    }
    if (error.isEmpty()) {
        FileName = fileName;
        ClearModified();
        emit DocumentNamed(fileName);
    }
    return error;
}

QString TIsisGraph::ReadDocument(const QString &fileName)
{
    TReadableFile file;
    QString error;
    if (!file.Open(fileName, error))
        return CannotOpen(fileName);
    try {
        QByteArray bytes(qsizetype(file.Size()), Qt::Uninitialized);
        const std::int64_t got = file.ReadAt(0, bytes.data(), std::size_t(bytes.size()), error);
        if (got < 0)
            return CannotOpen(fileName);
        error = LoadFromBytes(std::string_view(bytes.constData(), std::size_t(got)));
    } catch (const std::bad_alloc &) {
        error = QStringLiteral("Mémoire insuffisante pour lire ce document.");
    }
    if (error.isEmpty()) {
        FileName = fileName;
        emit DocumentNamed(fileName);
    }
    return error;
}

bool TIsisGraph::SaveToFile(const QString &fileName)
{
    ShowMessage(QStringLiteral("Sauvegarde du fichier :") + QFileInfo(fileName).absoluteFilePath(),
                this);
    const QString error = WriteDocument(fileName);
    if (!error.isEmpty())
        ShowError(error, this);
    return error.isEmpty();
}

bool TIsisGraph::LoadFromFile(const QString &fileName)
{
    const QString error = ReadDocument(fileName);
    if (!error.isEmpty())
        ShowError(error, this);
    return error.isEmpty();
}

bool TIsisGraph::IsDocumentFile(const QString &fileName)
{
    return FileKindOf(fileName) == TFileKind::Document;
}
