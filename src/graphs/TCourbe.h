#pragma once
// A curve: draws one series of the page inside its graph, against the
// graph's abscissa series. Colour, name and unit are the series' own, so
// editing the curve edits the series. A name label (a legend of the same
// series) is created with the curve and deleted with it.
#include "page/TSmallGraph.h"
#include <memory>

class DocumentReader;
class TData;
class TCurveCache;
class TDataOsc;

class TCourbe : public TSmallGraph
{
public:
    // A new curve: also appends its name label to the owner's elements. The
    // caller appends the curve itself afterwards.
    TCourbe(TAxe *owner, int serieIndex);
    // A curve read from a document, whose label is stored on its own.
    TCourbe(TAxe *owner, int serieIndex, int epais);
    // The same from the lines after the keyword: SerieIndex, which must
    // designate a series, and Epais.
    static std::unique_ptr<TSmallGraph> CreateFromStrings(TAxe *owner, DocumentReader &in);

    static constexpr std::string_view Keyword = "Courbe";
    // Deletes the curve's name label from the owner's elements.
    ~TCourbe() override;

    int SerieIndex;
    int Epais = 4;

    // The drawn series, or nullptr when the page holds no such series.
    TData *Serie() const;
    QString Name() const;
    void SetName(const QString &name);
    QString Unit() const;
    void SetUnit(const QString &unit);

    TColor GetColor() const override;
    void SetColor(TColor value) override;
    void Draw(Canvas &canvas) override;
    bool HitTest(int x, int y) const override;
    int GetCursor() const override;
    void Edit() override;
    void SaveToStrings(DocumentWriter &out) const override;
    TCourbe *AsCourbe() override { return this; }
    QString Designation() const override { return QStringLiteral("la courbe"); }
    // Exchanges what the two curves drew last (see CurveCache.h).
    void SwapRecording(TCourbe &other) { m_cache.swap(other.m_cache); }

private:
    // Draws the n first samples of s against x in the series' own way.
    void drawSeries(Canvas &canvas, const TData &x, const TData &s, int n) const;
    void drawAnalog(Canvas &canvas, const TData &x, const TData &s, int n) const;
    void drawSteps(Canvas &canvas, const TData &x, const TData &s, int n) const;
    // Polylines broken at missing samples; on a screen in codes, also the
    // marker of the channel's zero level at the left margin line.
    void drawOsc(Canvas &canvas, const TData &x, const TDataOsc &s, int n) const;
    void drawZeroLevel(Canvas &canvas, const TDataOsc &s) const;

    std::unique_ptr<TCurveCache> m_cache;
};
