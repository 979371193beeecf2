#include "graphs/TOsc.h"

#include "data/DocumentWriter.h"
#include "data/EngNumbers.h"
#include "data/TDataOsc.h"
#include "data/TDatas.h"
#include "dialogs/DialogSet.h"
#include "dialogs/Prompts.h"
#include "dialogs/UOscDlg.h"
#include "graphs/PageRound.h"
#include "graphs/TCourbe.h"
#include "page/TIsisGraph.h"

namespace
{

// The screen's scales in codes: 8 divisions of 25 codes around code 128.
constexpr double CodeMin = 28;
constexpr double CodeMax = 228;
// X in codes, when the abscissa is itself a channel (XY display).
constexpr double XCodeMin = 3;
constexpr double XCodeMax = 253;

const TDataOsc *asOsc(const TData *s)
{
    return s && s->Kind == dkOsc ? static_cast<const TDataOsc *>(s) : nullptr;
}

double valueOfCode(const TDataOsc &s, double code)
{
    return (code - s.YOff) * s.YMult + s.YZero;
}

} // namespace

TOsc::TOsc(TIsisGraph *page) : TAxe(page) {}

std::unique_ptr<TOsc> TOsc::CreateFromDatas(TIsisGraph *page)
{
    auto g = std::make_unique<TOsc>(page);
    g->SetHeight(RoundPage(4.0 * g->Width() / 5));
    const TData *x = g->Datas ? g->Datas->Item(0) : nullptr;
    if (asOsc(x)) {
        g->XMin = XCodeMin;
        g->XMax = XCodeMax;
    } else if (x) {
        g->XMin = x->Min;
        g->XMax = x->Max;
    }
    g->YMin = CodeMin;
    g->YMax = CodeMax;
    const int count = g->Datas ? g->Datas->Count() : 0;
    for (int i = 1; i < count; ++i)
        g->AddElement(std::make_unique<TCourbe>(g.get(), i));
    return g;
}

void TOsc::SetWidth(int w)
{
    TAxe::SetWidth(w);
    SetHeight(RoundPage(4.0 * w / 5));
}

void TOsc::Edit()
{
    TOscDlg &dlg = Page()->Dialogs().Get<TOscDlg>();
    dlg.Fill({ColorAxe, EpaisAxe, FontGrad, ColorQuadri, EpaisQuadri, Height(), Width()});
    if (prompts().Exec(dlg) != QDialog::Accepted)
        return;
    const TGraphStyle v = dlg.Values();
    ColorAxe = v.ColorAxe;
    EpaisAxe = v.EpaisAxe;
    FontGrad = v.FontGrad;
    ColorQuadri = v.ColorQuadri;
    EpaisQuadri = v.EpaisQuadri;
}

void TOsc::SaveToStrings(DocumentWriter &out) const
{
    out.WriteLine(Keyword);
    SaveAxe(out);
}

std::unique_ptr<TAxe> TOsc::CreateFromStrings(TIsisGraph *page, TDatas *datas, DocumentReader &in)
{
    auto g = std::make_unique<TOsc>(page);
    g->Datas = datas;
    g->LoadAxe(in);
    return g;
}

QString TOsc::CursorXText(int sx) const
{
    const TIsisGraph *page = Page();
    const double v = ScreenToX(sx);
    const double w = double(page->width()) * 10 * page->Zoom();
    if (const TDataOsc *x = asOsc(Datas ? Datas->Item(0) : nullptr))
        return FormatEng(valueOfCode(*x, v), (XMax - XMin) * x->YMult / w) + x->Unit;
    return FormatEng(v, (XMax - XMin) / w);
}

QString TOsc::CursorYText(int sy) const
{
    const TIsisGraph *page = Page();
    const double v = ScreenToY(sy);
    const double h = double(page->height()) * 10 * page->Zoom();
    QString text;
    const int count = Datas ? Datas->Count() : 0;
    for (int i = 1; i < count; ++i) {
        // Only channels read in codes; a page holds nothing else here.
        const TDataOsc *s = asOsc(Datas->Item(i));
        if (!s)
            continue;
        text += s->Name + QLatin1Char('(') +
                FormatEng(valueOfCode(*s, v), (YMax - YMin) * s->YMult / h) + s->Unit +
                QStringLiteral(")  ");
    }
    return text;
}
