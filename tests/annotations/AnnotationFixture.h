#pragma once
// A page of 1007 x 707 pixels holding one empty XY graph of 3000 x 1500 page
// units (Scale 3, so Tolerance is 15 page units at zoom 1), with helpers to
// add series and to record what an element draws.
#include "data/UData.h"
#include "graphs/TMath.h"
#include "page/TIsisGraph.h"
#include "page/TSmallGraph.h"
#include "render/PagePicture.h"
#include "render/RecordingCanvas.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class AnnotationFixture : public ::testing::Test
{
protected:
    AnnotationFixture()
    {
        page.resize(1007, 707);
        auto g = std::make_unique<TMath>(&page);
        graph = g.get();
        page.AppendGraph(std::move(g));
        graph->XMin = 0;
        graph->XMax = 10;
        graph->YMin = -1;
        graph->YMax = 1;
    }

    // Appends an analog series and returns its index.
    int AddSeries(const QString &name, const QString &unit, TColor color,
                  std::vector<double> values = {0, 1})
    {
        auto s = std::make_unique<TDataAnalog>();
        s->SetName(name);
        s->Unit = unit;
        s->Color = color;
        s->SetCount(int(values.size()));
        for (int i = 0; i < int(values.size()); ++i)
            s->SetValue(i, values[std::size_t(i)]);
        page.Datas->Add(std::move(s));
        return page.Datas->Count() - 1;
    }

    // Records one element's drawing.
    PagePicture Record(TSmallGraph &element)
    {
        PagePicture picture(page.MFWidth(), page.MFHeight());
        RecordingCanvas canvas(picture);
        element.Draw(canvas);
        return picture;
    }

    // Takes ownership as the graph does.
    template <class T> T *Add(T *element)
    {
        graph->AddElement(element);
        return element;
    }

    TIsisGraph page;
    TMath *graph = nullptr;
};
