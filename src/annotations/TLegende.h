#pragma once
// The name label of a data series: shows the series' name and unit in the
// series' colour. Text and colour live in the series, so recolouring the
// legend recolours every curve of that series and the other way round.
#include "annotations/TextBox.h"
#include <QRect>
#include <QString>

class TData;

class TLegende : public TTextBox
{
public:
    // Takes the graph's next label slot: rows of ten along the top. A slot
    // where the label would overlap the graph's last series label gives way
    // to a place just after that label.
    TLegende(TAxe *owner, int index);
    // A legend for the document reader, which reads its place and font.
    explicit TLegende(TAxe *owner);

    static constexpr std::string_view Keyword = "Legende";
    QString Designation() const override { return QStringLiteral("la légende"); }

    TLegende *AsLegende() override { return this; }

    int Index = 0;
    // The legend of the graph's abscissa series, whatever Index holds.
    bool IsAxeX = false;

    // The series shown, or nullptr when the page holds no such series.
    TData *Serie() const;
    // "name(unit)", or the bare name when the unit is empty.
    QString LegendText() const;

    TColor GetColor() const override;
    void SetColor(TColor c) override;
    void Draw(Canvas &canvas) override;
    bool HitTest(int x, int y) const override;
    int GetCursor() const override;
    void Edit() override;
    bool Deletable() const override { return false; }
    // No colour: the series carries it.
    void SaveToStrings(DocumentWriter &out) const override;
    // The lines after the keyword; Index must designate a series unless
    // IsAxeX is set. The font takes the series' colour.
    void LoadFromStrings(DocumentReader &in);

private:
    // The text's box relative to the graph's lower-left corner.
    QRect Box() const;
    // The last label of a series in the graph's list, the axis legend aside.
    const TLegende *LastSeriesLabel() const;
};
