#pragma once
// A page of 1007 x 707 pixels (Scale 3: Tolerance 15 page units at zoom 1)
// with helpers to fill its series collection, add XY graphs of 3000 x 1500
// page units and record what a graph or an element draws.
#include "data/UData.h"
#include "graphs/TMath.h"
#include "page/TIsisGraph.h"
#include "render/PagePicture.h"
#include "render/RecordingCanvas.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class GraphPageFixture : public ::testing::Test
{
protected:
    GraphPageFixture() { page.resize(1007, 707); }

    // Each appends a series and returns its index.
    int AddAnalog(const std::vector<double> &values, const QString &name = QStringLiteral("V"),
                  TColor color = clBlue, const QString &unit = QString())
    {
        auto s = std::make_unique<TDataAnalog>();
        s->SetName(name);
        s->Unit = unit;
        s->Color = color;
        return add(std::move(s), values, &TDataAnalog::SetValue);
    }
    int AddLogic(const std::vector<std::uint8_t> &states)
    {
        return add(std::make_unique<TDataLogic>(), states, &TDataLogic::SetState);
    }
    int AddBus(const std::vector<std::int32_t> &words)
    {
        return add(std::make_unique<TDataBus>(), words, &TDataBus::SetWord);
    }

    // An XY graph without curves or labels, owned by the page, with the given
    // scales; Left 0, Top 0, Width 3000, Height 1500.
    TMath *AddGraph(double xmin, double xmax, double ymin, double ymax)
    {
        auto g = std::make_unique<TMath>(&page);
        TMath *raw = g.get();
        page.AppendGraph(std::move(g));
        raw->XMin = xmin;
        raw->XMax = xmax;
        raw->YMin = ymin;
        raw->YMax = ymax;
        return raw;
    }

    template <class Drawable> PagePicture Record(Drawable &d)
    {
        PagePicture picture(page.MFWidth(), 2000);
        RecordingCanvas canvas(picture);
        d.Draw(canvas);
        return picture;
    }

    TIsisGraph page;

private:
    template <class Series, class Value, class Setter>
    int add(std::unique_ptr<Series> s, const std::vector<Value> &values, Setter set)
    {
        s->SetCount(int(values.size()));
        for (int i = 0; i < int(values.size()); ++i)
            ((*s).*set)(i, values[std::size_t(i)]);
        page.Datas->Add(std::move(s));
        return page.Datas->Count() - 1;
    }
};

// Every record of one kind, in picture order.
inline std::vector<PictureRecord> RecordsOf(const PagePicture &p, TPictureOp kind)
{
    std::vector<PictureRecord> out;
    for (const PictureRecord &r : p)
        if (r.Kind == kind)
            out.push_back(r);
    return out;
}
// The records point into the picture: a temporary one would leave them dangling.
std::vector<PictureRecord> RecordsOf(PagePicture &&, TPictureOp) = delete;
