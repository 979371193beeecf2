#pragma once
// The oscilloscope screen: a graticule of 10 by 8 divisions with subdivision
// ticks, the channels drawn in raw instrument codes, and below the screen one
// label per series giving its scale per division. The height follows the
// width in the ratio 4 : 5; every series after the first is shown.
#include "graphs/TAxe.h"
#include <memory>
#include <string_view>

class TOsc : public TAxe
{
public:
    // An empty screen (no curve, zero scales), as the document reader fills it.
    explicit TOsc(TIsisGraph *page);
    // The screen of the page's series: one curve (and name label) for every
    // series after the first, drawn against series 0.
    static std::unique_ptr<TOsc> CreateFromDatas(TIsisGraph *page);
    // A screen read from the lines after its keyword (the common lines
    // only), drawing the series of datas.
    static std::unique_ptr<TAxe> CreateFromStrings(TIsisGraph *page, TDatas *datas,
                                                   DocumentReader &in);

    static constexpr std::string_view Keyword = "Osc";
    QString Designation() const override { return QStringLiteral("l'écran d'oscilloscope"); }

    // Also sets the height to four fifths of the width.
    void SetWidth(int w) override;
    bool RawCodes() const override { return true; }

    void Draw(Canvas &canvas) override;
    void Edit() override;
    void SaveToStrings(DocumentWriter &out) const override;
    // The time (or, in XY display, the first channel's value) under the pointer.
    QString CursorXText(int sx) const override;
    // One reading per channel: "name(value unit)", two spaces after each.
    QString CursorYText(int sy) const override;

private:
    void drawGraticule(Canvas &canvas) const;
    void drawScaleLabels(Canvas &canvas) const;
};
