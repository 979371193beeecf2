#include "page/RecoveryCopy.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "data/EConvertError.h"
#include "data/SystemFileName.h"
#include "data/TData.h"
#include "data/TDatas.h"
#include "page/TIsisGraph.h"
#include <QBuffer>
#include <charconv>
#include <new>

namespace
{

// The page part starts with this mark, a blank and the size in bytes of the
// lines that follow, so that a part cut short is known before it is read.
constexpr std::string_view PageMark = "Scolivet Recuperation";
constexpr std::string_view SamplesMark = "Scolivet Recuperation Series";

// The page part without its first line, when it has the size that line says.
std::optional<std::string_view> PageBody(std::string_view part)
{
    const std::size_t end = part.find('\n');
    if (end == std::string_view::npos)
        return {};
    std::string_view first = part.substr(0, end);
    if (first.ends_with('\r'))
        first.remove_suffix(1);
    if (!first.starts_with(PageMark) || first.size() <= PageMark.size() ||
        first[PageMark.size()] != ' ')
        return {};
    first.remove_prefix(PageMark.size() + 1);
    std::size_t size = 0;
    const auto [stop, error] = std::from_chars(first.data(), first.data() + first.size(), size);
    const std::string_view body = part.substr(end + 1);
    if (error != std::errc() || stop != first.data() + first.size() || body.size() != size)
        return {};
    return body;
}

TRecoveryInfo ReadInfo(DocumentReader &in)
{
    TRecoveryInfo info;
    info.Stamp = in.ReadText();
    info.DocumentName = FileNameFromBytes(in.NextLine());
    info.Time = QDateTime::fromString(in.ReadText(), Qt::ISODateWithMs);
    if (info.Stamp.isEmpty() || !info.Time.isValid())
        in.Fail(QStringLiteral("la copie ne dit pas quand elle a été faite"));
    return info;
}

std::unique_ptr<TDatas> ReadSamples(std::string_view part, const QString &stamp)
{
    DocumentReader in(part);
    if (in.AtEnd() || in.NextLine() != SamplesMark)
        in.Fail(QStringLiteral("ce ne sont pas les séries d'une copie"));
    auto datas = std::make_unique<TDatas>();
    datas->LoadFromStrings(in);
    if (in.AtEnd() || in.ReadText() != stamp || !in.AtEnd())
        in.Fail(QStringLiteral("ces séries ne sont pas celles de la copie"));
    return datas;
}

// The series' names, units and colours as the page last had them.
void ReadHeaders(DocumentReader &in, TDatas &datas)
{
    if (in.ReadInt() != datas.Count())
        in.Fail(QStringLiteral("la copie ne compte pas autant de séries que ses échantillons"));
    for (const std::unique_ptr<TData> &s : datas.Items) {
        s->Name = in.ReadText();
        s->Unit = in.ReadText();
        s->Color = in.ReadColor();
    }
}

} // namespace

bool WriteRecoverySamples(QIODevice &out, const TDatas &series, const QString &stamp)
{
    DocumentWriter writer(out, true);
    writer.WriteLine(SamplesMark);
    series.SaveToStrings(writer);
    writer.WriteText(stamp);
    return writer.Finish();
}

QByteArray RecoveryPageBytes(const TIsisGraph &page, const TRecoveryInfo &info)
{
    QByteArray body;
    QBuffer buffer(&body);
    buffer.open(QIODevice::WriteOnly);
    DocumentWriter out(buffer, true);
    out.WriteText(info.Stamp);
    // The name with its own bytes, which need not be UTF-8; a line of its own.
    const QByteArray name = FileNameBytes(info.DocumentName).replace('\r', ' ').replace('\n', ' ');
    out.WriteLine(std::string_view(name.constData(), std::size_t(name.size())));
    out.WriteText(info.Time.toUTC().toString(Qt::ISODateWithMs));
    out.WriteInt(page.Datas->Count());
    for (const std::unique_ptr<TData> &s : page.Datas->Items) {
        out.WriteText(s->Name);
        out.WriteText(s->Unit);
        out.WriteColor(s->Color);
    }
    page.WriteLayout(out);
    out.Finish();
    return QByteArray(PageMark.data(), qsizetype(PageMark.size())) + ' ' +
           QByteArray::number(body.size()) + "\r\n" + body;
}

std::optional<TRecoveryInfo> ReadRecoveryInfo(std::string_view pagePart, QString *why)
{
    const std::optional<std::string_view> body = PageBody(pagePart);
    QString reason = QStringLiteral("la copie est incomplète");
    if (body) {
        try {
            DocumentReader in(*body);
            return ReadInfo(in);
        } catch (const EConvertError &e) {
            reason = e.Message();
        }
    }
    if (why)
        *why = reason;
    return {};
}

QString LoadRecoveryCopy(TIsisGraph &page, std::string_view samplesPart,
                         std::string_view pagePart)
{
    const std::optional<std::string_view> body = PageBody(pagePart);
    if (!body)
        return QStringLiteral("la copie est incomplète");
    try {
        DocumentReader in(*body);
        const TRecoveryInfo info = ReadInfo(in);
        std::unique_ptr<TDatas> datas = ReadSamples(samplesPart, info.Stamp);
        ReadHeaders(in, *datas);
        if (QString why = page.LoadLayout(std::move(datas), in); !why.isEmpty())
            return why;
        page.FileName = info.DocumentName;
        page.MarkUnsaved();
        return {};
    } catch (const EConvertError &e) {
        return e.Message();
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Mémoire insuffisante pour lire la copie.");
    }
}
