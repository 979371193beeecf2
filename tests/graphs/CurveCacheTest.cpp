// A curve drawn again copies one of its last two drawings only while nothing
// it read differs: every later drawing equals that of a curve drawn for the
// first time.
#include "support/GraphPageFixture.h"

#include "graphs/TCourbe.h"
#include <cmath>

namespace
{

class CurveCacheTest : public GraphPageFixture
{
protected:
    // Every record of a drawing, flattened for comparison.
    static std::vector<int> Flat(const PagePicture &p)
    {
        std::vector<int> out;
        for (const PictureRecord &r : p) {
            out.insert(out.end(), {int(r.Kind), int(r.Pen.Color), r.Pen.Width});
            for (const QPoint q : r.Points)
                out.insert(out.end(), {q.x(), q.y()});
        }
        return out;
    }
};

TEST_F(CurveCacheTest, RedrawingEqualsAFirstDrawingAfterEveryChange)
{
    std::vector<double> t, v;
    for (int i = 0; i < 5000; ++i) {
        t.push_back(i / 500.0);
        v.push_back(std::sin(i / 100.0));
    }
    AddAnalog(t, QStringLiteral("t"));
    AddAnalog(v, QStringLiteral("Vs"));
    TMath *graph = AddGraph(0, 10, -1, 1);
    graph->SetAffiches({1});
    TCourbe *cached = nullptr;
    for (TSmallGraph *e : graph->Elements())
        if (auto *c = dynamic_cast<TCourbe *>(e))
            cached = c;
    ASSERT_NE(cached, nullptr);
    const auto fresh = [&] {
        TCourbe first(graph, 1, cached->Epais);
        return Flat(Record(first));
    };
    std::vector<int> previous = Flat(Record(*cached));
    ASSERT_FALSE(previous.empty());
    EXPECT_EQ(Flat(Record(*cached)), previous);

    const int epais = cached->Epais;
    // The last one goes back to the drawing before the one before.
    const std::function<void()> changes[] = {
        [&] { graph->YMax = 0.5; }, [&] { graph->SetWidth(2000); },
        [&] { graph->Left = 300; }, [&] { page.Datas->Item(1)->Color = clRed; },
        [&] { cached->Epais = 9; }, [&] { cached->Epais = epais; },
    };
    for (const auto &change : changes) {
        change();
        const std::vector<int> now = Flat(Record(*cached));
        EXPECT_NE(now, previous) << &change - changes;
        EXPECT_EQ(now, fresh()) << &change - changes;
        previous = now;
    }
}

} // namespace
