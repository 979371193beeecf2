#include "render/DocumentFont.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include <QStringList>
#include <array>

namespace
{

struct StyleRow {
    bool TFont::*Member;
    const char *Name;
};

constexpr std::array<StyleRow, 4> styles{{
    {&TFont::Bold, "fsBold"},
    {&TFont::Italic, "fsItalic"},
    {&TFont::Underline, "fsUnderline"},
    {&TFont::StrikeOut, "fsStrikeOut"},
}};

} // namespace

void WriteFont(DocumentWriter &out, const TFont &font)
{
    QString line = font.Name + QLatin1Char(';') + QString::number(font.Size) + QLatin1Char(';');
    QStringList set;
    for (const StyleRow &style : styles)
        if (font.*style.Member)
            set << QLatin1String(style.Name);
    out.WriteText(line + set.join(QLatin1Char(';')));
}

void ReadFont(DocumentReader &in, TFont &font)
{
    std::string_view rest = in.NextLine();
    const std::string_view name = DocumentReader::NextPiece(rest);
    font.Size = in.IntOf(DocumentReader::NextPiece(rest));
    font.Name = in.Decode(name);
    for (const StyleRow &style : styles)
        font.*style.Member = false;
    while (!rest.empty()) {
        const std::string_view piece = DocumentReader::NextPiece(rest);
        for (const StyleRow &style : styles)
            if (piece == style.Name)
                font.*style.Member = true;
    }
}
