// The lines every graph writes and reads after its own, its elements included.
#include "annotations/Marker.h"
#include "annotations/TArrow.h"
#include "annotations/TCircle.h"
#include "annotations/TLegende.h"
#include "annotations/TLine.h"
#include "annotations/TRecta.h"
#include "annotations/TTexte.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "data/TDatas.h"
#include "graphs/TAxe.h"
#include "graphs/TCourbe.h"
#include "render/DocumentFont.h"
#include <algorithm>
#include <array>
#include <memory>

namespace
{

struct ElementRow {
    std::string_view Keyword;
    std::unique_ptr<TSmallGraph> (*Load)(TAxe *owner, DocumentReader &in);
};

// An annotation is created as a new one, then reads its lines.
template <class T> std::unique_ptr<TSmallGraph> LoadAnnotation(TAxe *owner, DocumentReader &in)
{
    auto e = std::make_unique<T>(owner);
    e->LoadFromStrings(in);
    return e;
}

constexpr std::array<ElementRow, 9> elementKinds{{
    {TCircle::Keyword, &LoadAnnotation<TCircle>},
    {TCourbe::Keyword, &TCourbe::CreateFromStrings},
    {TLegende::Keyword, &LoadAnnotation<TLegende>},
    {TLine::Keyword, &LoadAnnotation<TLine>},
    {TRecta::Keyword, &LoadAnnotation<TRecta>},
    {TVMarker::Keyword, &LoadAnnotation<TVMarker>},
    {THMarker::Keyword, &LoadAnnotation<THMarker>},
    {TArrow::Keyword, &LoadAnnotation<TArrow>},
    {TTexte::Keyword, &LoadAnnotation<TTexte>},
}};

std::unique_ptr<TSmallGraph> LoadElement(TAxe *owner, DocumentReader &in)
{
    const std::string_view keyword = in.NextLine();
    const auto row = std::find_if(elementKinds.begin(), elementKinds.end(),
                                  [&](const ElementRow &r) { return r.Keyword == keyword; });
    if (row == elementKinds.end())
        in.Fail(QStringLiteral("type d'élément inconnu : « %1 »").arg(in.Decode(keyword)));
    return row->Load(owner, in);
}

} // namespace

void TAxe::SaveAxe(DocumentWriter &out) const
{
    out.WriteInt(m_axeX);
    WriteFont(out, FontGrad);
    out.WriteColor(ColorAxe);
    out.WriteColor(ColorQuadri);
    out.WriteInt(EpaisAxe);
    out.WriteInt(EpaisQuadri);
    out.WriteInt(Left);
    out.WriteInt(Top);
    out.WriteInt(m_height);
    out.WriteInt(m_width);
    out.WriteReal(XMax);
    out.WriteReal(XMin);
    out.WriteReal(YMax);
    out.WriteReal(YMin);
    out.WriteInt(std::count_if(m_elements.begin(), m_elements.end(),
                               [](const TSmallGraph *e) { return e != nullptr; }));
    for (const TSmallGraph *e : m_elements)
        if (e)
            e->SaveToStrings(out);
}

void TAxe::LoadAxe(DocumentReader &in)
{
    const int axeX = in.ReadInt();
    // A page without series keeps the index 0 its graphs start with.
    if (axeX != 0 || (Datas && Datas->Count() > 0))
        RequireSeries(in, Datas, axeX);
    SetAxeX(axeX);
    ReadFont(in, FontGrad);
    ColorAxe = in.ReadColor();
    ColorQuadri = in.ReadColor();
    EpaisAxe = in.ReadInt(PageSize);
    EpaisQuadri = in.ReadInt(PageSize);
    Left = in.ReadInt(PagePosition);
    Top = in.ReadInt(PagePosition);
    SetHeight(in.ReadInt(PageSize));
    SetWidth(in.ReadInt(PageSize));
    XMax = in.ReadReal();
    XMin = in.ReadReal();
    YMax = in.ReadReal();
    YMin = in.ReadReal();
    SetElementCount(0);
    const int count = in.ReadCount();
    for (int i = 0; i < count; ++i)
        AddElement(LoadElement(this, in));
}
