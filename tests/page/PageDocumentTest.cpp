// Documents of the page view: the lines written, a page of every kind read
// back line for line, and failures that leave the page as it was.
#include "annotations/Marker.h"
#include "annotations/TArrow.h"
#include "annotations/TCircle.h"
#include "annotations/TLegende.h"
#include "annotations/TLine.h"
#include "annotations/TRecta.h"
#include "annotations/TTexte.h"
#include "graphs/TCourbe.h"
#include "graphs/TOsc.h"
#include "support/GraphPageFixture.h"
#include "support/PageFacts.h"
#include "support/SampleFiles.h"
#include "support/WriteFailures.h"
#include <QTemporaryDir>

namespace
{

std::string_view View(const QByteArray &bytes)
{
    return std::string_view(bytes.constData(), std::size_t(bytes.size()));
}

QStringList Lines(const QByteArray &document)
{
    return QString::fromLatin1(document).split(QStringLiteral("\r\n"));
}

// Both documents side by side from their first different line, or empty.
std::string Difference(const QByteArray &a, const QByteArray &b)
{
    const QList<QByteArray> x = a.split('\n'), y = b.split('\n');
    for (qsizetype i = 0; i < std::max(x.size(), y.size()); ++i)
        if (x.value(i) != y.value(i))
            return "line " + std::to_string(i + 1) + ": " + x.value(i).toStdString() + " | " +
                   y.value(i).toStdString();
    return {};
}

class PageDocument : public GraphPageFixture
{
protected:
    // Series of every kind, an XY graph built from them with its curves and
    // labels, one annotation of every kind, and a second graph.
    void FillEveryKind()
    {
        AddAnalog({0, 0.5, 1}, QStringLiteral("Time"), clBlack, QStringLiteral("s"));
        AddAnalog({-1.25e-7, 3.3, 1e20}, QStringLiteral("V(N1)"), RGBColor(1, 2, 3),
                  QStringLiteral("µV"));
        AddLogic({0, 4, 8});
        AddBus({-1, 255, 16});
        auto osc = std::make_unique<TDataOsc>();
        osc->Channel = '1';
        osc->WaveformId = QStringLiteral("Ch1 DC coupling");
        osc->YMult = 0.04;
        osc->YOff = 128;
        osc->YZero = 0.5;
        osc->SetCount(3);
        for (int i = 0; i < 3; ++i)
            osc->SetRaw(i, 100 + i);
        page.Datas->Add(std::move(osc));

        page.BackColor = RGBColor(255, 200, 0);
        auto *g = TMath::CreateFromDatas(&page, {1, 2, 3, 4}, 0);
        page.AppendGraph(std::unique_ptr<TAxe>(g));
        g->FontGrad = TFont{QStringLiteral("Arial"), 12, true, true};
        g->PasXAuto = false;
        g->PasX = 0.125;
        Annotate(g);
        auto *second = AddGraph(-1, 1, 0, 5);
        second->QuadriHor = false;
        second->SetHeight(700);
        page.AppendGraph(TOsc::CreateFromDatas(&page));
        page.SetMFHeight(page.MFHeight());
        page.Redraw(); // texts measure themselves
    }

    void Annotate(TAxe *g)
    {
        auto *text = new TTexte(g);
        text->Texte = QStringLiteral("10 kΩ");
        text->SetColor(clBlue);
        text->LockXY = true;
        text->RefX = 0.3;
        text->RefY = -2.5e-3;
        auto *line = new TLine(g);
        line->Largeur = -40;
        line->Hauteur = 25;
        auto *arrow = new TArrow(g);
        arrow->DoubleArrow = true;
        arrow->ArrowSize = 55;
        auto *recta = new TRecta(g);
        recta->Remplissage = true;
        recta->SetColor(0x80000000u + 15);
        auto *circle = new TCircle(g);
        circle->Epais = 9;
        auto *h = new THMarker(g);
        h->RefY = 1.75;
        h->SetDY(0); // on its page position, as the marker tool leaves it
        auto *v = new TVMarker(g);
        v->RefX = 0.5;
        v->Reserved = 7;
        for (TSmallGraph *e : std::initializer_list<TSmallGraph *>{text, line, arrow, recta,
                                                                    circle, h, v}) {
            e->SetColor(e == text ? clBlue : e->GetColor());
            g->AddElement(std::unique_ptr<TSmallGraph>(e));
        }
    }

    // The page's document, and the page's state outside it.
    struct Snapshot {
        QByteArray Document;
        QString FileName;
        int Zoom;
        TDessin *Selected;
        bool operator==(const Snapshot &) const = default;
    };
    Snapshot Take() const
    {
        return {page.SaveToBytes(), page.FileName, page.Zoom(), page.Selected()};
    }
};

TEST_F(PageDocument, AnEmptyPageIsNineLines)
{
    EXPECT_EQ(Lines(page.SaveToBytes()),
              QString::fromLatin1("Scolivet Version 1.01|[Datas]|Nb series=0|[Datas End]|[Axes]|"
                                  "3000|clWhite|0|[Axes End]|")
                  .split(QLatin1Char('|')));
}

TEST_F(PageDocument, APageOfEveryKindReadsBackLineForLine)
{
    FillEveryKind();
    const QByteArray document = page.SaveToBytes();
    for (const char *keyword : {"Analog", "Logic", "Bus", "Osc", "Math", "Courbe", "Legende",
                                "Texte", "Ligne", "Fleche", "Rectangle", "Cercle", "HMarker",
                                "VMarker"})
        EXPECT_TRUE(Lines(document).contains(QLatin1String(keyword))) << keyword;
    EXPECT_EQ(Lines(document).count(QStringLiteral("Osc")), 2); // a series and a screen

    TIsisGraph read;
    ASSERT_EQ(read.LoadFromBytes(View(document)), QString());
    EXPECT_EQ(Difference(read.SaveToBytes(), document), "");
    const auto *text = static_cast<const TTexte *>(read.Graphs(0)->Elements()[9]);
    EXPECT_EQ(text->Texte, QStringLiteral("10 kΩ"));
    EXPECT_EQ(text->Font.Color, clBlue);
    const auto *label = static_cast<const TLegende *>(read.Graphs(0)->Elements()[1]);
    EXPECT_EQ(label->Font.Color, RGBColor(1, 2, 3)); // its series' colour
    for (int i = 0; i < page.Datas->Count(); ++i) { // ranges rebuilt from the samples
        EXPECT_EQ(read.Datas->Item(i)->Min, page.Datas->Item(i)->Min) << i;
        EXPECT_EQ(read.Datas->Item(i)->Max, page.Datas->Item(i)->Max) << i;
    }
}

TEST_F(PageDocument, TheMarginAndExactMarkerLevelsReopenAsTheyWereDrawn)
{
    FillEveryKind();
    const QByteArray plain = page.SaveToBytes();
    EXPECT_TRUE(plain.endsWith("\r\n[Axes End]\r\n"));

    page.Marge = 0.02;
    TAxe *g = page.Graphs(1);
    g->SetHeight(701); // the top of the scale falls between two page units
    page.SetMFHeight(page.MFHeight());
    auto *top = g->AddElement(std::make_unique<THMarker>(g));
    top->RefY = g->YMax; // typed in its dialog
    ASSERT_GT(top->StackedValue(), g->YMax); // stacking alone would hide it
    const QByteArray drawn = PageSvg(page);
    const QByteArray document = page.SaveToBytes();
    EXPECT_TRUE(document.endsWith("[Axes End]\r\n[Scolivet]\r\nMarge=0,02\r\n"
                                  "Graphe 2 Element 1 Valeur=5\r\n[Scolivet End]\r\n"));
    TIsisGraph read;
    ASSERT_EQ(read.LoadFromBytes(View(document)), QString());
    EXPECT_TRUE(PageSvg(read) == drawn);
    EXPECT_EQ(Difference(read.SaveToBytes(), document), "");

    // Keys of later versions, and keys naming what the page lacks, are ignored.
    QByteArray later = document;
    later.replace("[Scolivet End]", "Graphe 1 Echelle=3\r\nGraphe 9 Element 1 Valeur=2\r\n"
                                    "Graphe 1 Element 2 Valeur=0\r\nsans valeur\r\n[Scolivet End]");
    ASSERT_EQ(read.LoadFromBytes(View(later)), QString());
    EXPECT_EQ(Difference(read.SaveToBytes(), document), "");
    // Without the section, the page takes the default margin again.
    ASSERT_EQ(read.LoadFromBytes(View(plain)), QString());
    EXPECT_EQ(read.SaveToBytes(), plain);
    EXPECT_EQ(read.Marge, TIsisGraph::DefaultMarge);
}

TEST_F(PageDocument, LogarithmicScalesReopenAsTheyWereDrawn)
{
    FillEveryKind();
    TAxe *g = page.Graphs(1);
    g->XMin = 0.01;
    g->YMin = 0.5;
    g->LogX = g->LogY = true;
    g->SetHeight(701);
    page.SetMFHeight(page.MFHeight());
    g->AddElement(std::make_unique<THMarker>(g))->RefY = 2;
    page.Graphs(2)->LogY = true; // kept, though a screen stays linear
    const QByteArray drawn = PageSvg(page);
    const QByteArray document = page.SaveToBytes();
    const QByteArray formatLines = document.left(document.lastIndexOf("[Scolivet]"));
    EXPECT_EQ(document.mid(formatLines.size()).toStdString(),
              "[Scolivet]\r\nGraphe 2 LogX=1\r\nGraphe 2 LogY=1\r\nGraphe 3 LogY=1\r\n"
              "Graphe 2 Element 1 Valeur=2\r\n[Scolivet End]\r\n");
    TIsisGraph read;
    ASSERT_EQ(read.LoadFromBytes(View(document)), QString());
    EXPECT_TRUE(PageSvg(read) == drawn);
    EXPECT_EQ(Difference(read.SaveToBytes(), document), "");
    // Readers that stop at the format's end see linear scales.
    ASSERT_EQ(read.LoadFromBytes(View(formatLines)), QString());
    EXPECT_FALSE(read.Graphs(1)->LogX || read.Graphs(1)->LogY);
    EXPECT_FALSE(PageSvg(read) == drawn);
}

TEST_F(PageDocument, DocumentsWithFullStopsAndAnyBannerOpen)
{
    FillEveryKind();
    const QByteArray document = page.SaveToBytes();
    QByteArray foreign = document;
    foreign.replace(',', '.').replace("Scolivet Version 1.01", "## Scolivet Version 7");
    TIsisGraph read;
    ASSERT_EQ(read.LoadFromBytes(View(foreign)), QString());
    EXPECT_EQ(Difference(read.SaveToBytes(), document), "");
}

TEST_F(PageDocument, GraphsStoredWithTheSameTopAreShownStacked)
{
    FillEveryKind();
    page.Graphs(1)->Top = 0;
    page.SetZoom(2);
    ASSERT_EQ(page.LoadFromBytes(View(page.SaveToBytes())), QString());
    EXPECT_EQ(page.Graphs(0)->Top, 0);
    EXPECT_EQ(page.Graphs(1)->Top, page.Graphs(0)->Height());
    EXPECT_EQ(page.Graphs(2)->Top, page.Graphs(0)->Height() + 700);
    EXPECT_EQ(page.Zoom(), 1);
}

TEST_F(PageDocument, ADocumentThatCannotBeReadLeavesThePageAsItWas)
{
    FillEveryKind();
    const QByteArray good = page.SaveToBytes();
    page.FileName = QStringLiteral("mesures.scv");
    page.SetZoom(2);
    page.SetSelected(page.Graphs(0)->Elements().back()->AsDessin());
    const Snapshot before = Take();
    const QList<QByteArray> lines = good.split('\n');
    const auto edited = [&](int line, const QByteArray &text) {
        QList<QByteArray> copy = lines;
        copy[line] = text + "\r";
        return copy.join('\n');
    };
    const int graph = int(lines.indexOf("Math\r"));
    const int second = int(lines.indexOf("Math\r", graph + 1));
    const int text = int(lines.indexOf("Texte\r"));
    QList<QByteArray> tall = lines;
    tall[graph + 16] = tall[second + 16] = "200000000\r";
    const QByteArray formatLines = good.left(good.lastIndexOf("[Axes End]")) + "[Axes End]\r\n";
    const auto section = [&](const char *entries) {
        return formatLines + "[Scolivet]\r\n" + entries + "[Scolivet End]\r\n";
    };
    const std::pair<QByteArray, const char *> cases[] = {
        {"Isis\r\n", "Format de fichier non reconnu"},
        {edited(3, "Numeric"), "Ligne 4 : type de série inconnu : « Numeric »"},
        {edited(8, "1;5"), "Ligne 9 : '1;5' n'est pas une valeur en virgule flottante correcte"},
        {edited(graph, "Polar"), "type de graphe inconnu : « Polar »"},
        {edited(graph + 8, "9"), "la série 9 n'existe pas"},
        {QByteArray(good).replace("Courbe\r\n2\r\n", "Courbe\r\n12\r\n"), "la série 12 n'existe pas"},
        {QByteArray(good).replace("Rectangle", "Carre"), "type d'élément inconnu : « Carre »"},
        {good.left(good.size() / 2), "il est tronqué"},
        {good.left(good.lastIndexOf("[Axes End]")), "il est tronqué"},
        {section("Marge=0,5\r\n"), "la marge 0,5 n'est pas comprise entre 0,02 et 0,4"},
        {section("Graphe 1 Element 2 Valeur=haut\r\n"),
         "'haut' n'est pas une valeur en virgule flottante correcte"},
        {formatLines + "[Scolivet]\r\nMarge=0,05\r\n", "il est tronqué"},
        {edited(graph + 16, "2147483647"), "la valeur 2147483647 sort des limites de la page"},
        {edited(graph + 16, "-2147483648"), "la valeur -2147483648 sort des limites"},
        {edited(text + 1, "268435457"), "la valeur 268435457 sort des limites"},
        {tall.join('\n'), "la page mesurerait 400000000 points de haut"},
    };
    for (const auto &[document, message] : cases) {
        EXPECT_TRUE(page.LoadFromBytes(View(document)).contains(QString::fromUtf8(message)))
            << message;
        EXPECT_TRUE(Take() == before) << message;
    }
    // The height that passes the limit is named with its graph's first line.
    EXPECT_TRUE(page.LoadFromBytes(View(tall.join('\n')))
                    .startsWith(QStringLiteral("Ligne %1 : avec ce graphe").arg(second + 1)));
}

TEST_F(PageDocument, AFailedSaveLeavesTheFileAndTheFileNameAsTheyWere)
{
    QTemporaryDir dir;
    const QString path = WriteSampleFile(dir, QStringLiteral("page.scv"), "ancien");
    FillEveryKind();
    page.FileName = QStringLiteral("ailleurs.scv");
    page.MarkModified(QStringLiteral("modifier la page"));
    {
        FileSizeLimit fullDisk(64);
        EXPECT_NE(page.WriteDocument(path), QString());
    }
    EXPECT_EQ(ReadSampleFile(path), QByteArray("ancien"));
    EXPECT_EQ(page.FileName, QStringLiteral("ailleurs.scv"));
    EXPECT_TRUE(page.Modified());

    EXPECT_EQ(page.WriteDocument(path), QString());
    EXPECT_EQ(page.FileName, path);
    EXPECT_FALSE(page.Modified());
    TIsisGraph read;
    EXPECT_EQ(read.ReadDocument(path), QString());
    EXPECT_EQ(Difference(read.SaveToBytes(), page.SaveToBytes()), "");
}

} // namespace
