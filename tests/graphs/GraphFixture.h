#pragma once
// A page of 1007 x 707 pixels (Scale 3: Tolerance 15 page units at zoom 1)
// with helpers to fill its series collection, add XY graphs and record what
// a graph or an element draws.
#include "data/UData.h"
#include "graphs/TMath.h"
#include "page/TIsisGraph.h"
#include "render/PagePicture.h"
#include "render/RecordingCanvas.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class GraphFixture : public ::testing::Test
{
protected:
    GraphFixture() { page.resize(1007, 707); }

    int AddAnalog(std::vector<double> values, const QString &name = QStringLiteral("V"),
                  TColor color = clBlue)
    {
        auto s = std::make_unique<TDataAnalog>();
        s->SetName(name);
        s->Color = color;
        s->SetCount(int(values.size()));
        for (int i = 0; i < int(values.size()); ++i)
            s->SetValue(i, values[std::size_t(i)]);
        return add(std::move(s));
    }

    int AddLogic(std::vector<std::uint8_t> states)
    {
        auto s = std::make_unique<TDataLogic>();
        s->SetCount(int(states.size()));
        for (int i = 0; i < int(states.size()); ++i)
            s->SetState(i, states[std::size_t(i)]);
        return add(std::move(s));
    }

    int AddBus(std::vector<std::int32_t> words)
    {
        auto s = std::make_unique<TDataBus>();
        s->SetCount(int(words.size()));
        for (int i = 0; i < int(words.size()); ++i)
            s->SetWord(i, words[std::size_t(i)]);
        return add(std::move(s));
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
    int add(std::unique_ptr<TData> s)
    {
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
