#pragma once
// What tests read off a whole page: its series' names and its drawing.
#include "page/TIsisGraph.h"
#include "render/PageExport.h"
#include "render/PagePicture.h"
#include "data/UData.h"
#include <QBuffer>
#include <QStringList>
#include <gtest/gtest.h>

inline QStringList SeriesNames(const TIsisGraph &page)
{
    QStringList names;
    for (int i = 0; i < page.Datas->Count(); ++i)
        names << page.Datas->Item(i)->Name;
    return names;
}

// The page as drawn, written as SVG.
inline QByteArray PageSvg(TIsisGraph &page)
{
    page.RenderPage();
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WritePageSvg(out, page.Metafile(), page.BackColor));
    return out.data();
}
