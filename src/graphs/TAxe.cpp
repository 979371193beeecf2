#include "graphs/TAxe.h"

#include "data/TData.h"
#include "data/TDatas.h"
#include "page/TIsisGraph.h"
#include "page/TSmallGraph.h"
#include <algorithm>

TAxe::TAxe(TIsisGraph *page) : Datas(page->Datas.get()), m_page(page), m_width(page->MFWidth()) {}

TAxe::~TAxe()
{
    SetElementCount(0);
}

void TAxe::SetWidth(int w)
{
    if (m_width != 0) {
        const double f = double(w) / m_width;
        for (TSmallGraph *e : m_elements)
            if (e)
                e->ScaleX(f);
    }
    m_width = w;
}

void TAxe::SetHeight(int h)
{
    if (m_height != 0) {
        const double f = double(h) / m_height;
        for (TSmallGraph *e : m_elements)
            if (e)
                e->ScaleY(f);
    }
    m_height = h;
}

void TAxe::SetAxeX(int i)
{
    // A missing series (a document naming a column the page lacks) leaves
    // the scale as it is rather than reading nothing.
    if (const TData *s = Datas ? Datas->Item(i) : nullptr) {
        XMin = s->Min;
        XMax = s->Max;
    }
    m_axeX = i;
}

void TAxe::adopt(std::unique_ptr<TSmallGraph> e, bool atStart)
{
    m_elements.insert(atStart ? m_elements.begin() : m_elements.end(), e.release());
}

std::unique_ptr<TSmallGraph> TAxe::RemoveElement(TSmallGraph *e)
{
    const auto it = std::find(m_elements.begin(), m_elements.end(), e);
    if (it == m_elements.end())
        return nullptr;
    m_elements.erase(it);
    return std::unique_ptr<TSmallGraph>(e);
}

void TAxe::DeleteElement(TSmallGraph *e)
{
    RemoveElement(e);
}

void TAxe::SetElementCount(int n)
{
    n = std::max(n, 0);
    // Each entry leaves the list before it is freed: freeing a curve deletes
    // its name label from this same list, so the list may shrink under us.
    while (int(m_elements.size()) > n) {
        TSmallGraph *e = m_elements.back();
        m_elements.pop_back();
        delete e;
    }
    m_elements.resize(std::size_t(n), nullptr);
}

std::vector<TSmallGraph *> TAxe::ElementsAt(int x, int y) const
{
    std::vector<TSmallGraph *> found;
    for (auto it = m_elements.rbegin(); it != m_elements.rend(); ++it)
        if (*it && (*it)->HitTest(x, y))
            found.push_back(*it);
    return found;
}

double TAxe::Marge() const
{
    return m_page->Marge;
}

TAxisMap TAxe::XMap() const
{
    return TAxisMap::Make(Left, m_width, 1, Marge(), XMin, XMax, LogX && !RawCodes());
}

TAxisMap TAxe::YMap() const
{
    return TAxisMap::Make(Bottom(), m_height, -1, Marge(), YMin, YMax, LogY && !RawCodes());
}

int TAxe::XToPage(double x) const
{
    return XMap().ToPage(x);
}

int TAxe::YToPage(double y) const
{
    return YMap().ToPage(y);
}

int TAxe::XToPageClipped(double x) const
{
    return XMap().ToPageClipped(x);
}

int TAxe::YToPageClipped(double y) const
{
    return YMap().ToPageClipped(y);
}

double TAxe::PageToX(int px) const
{
    return XMap().FromPage(px);
}

double TAxe::PageToY(int py) const
{
    return YMap().FromPage(py);
}

double TAxe::ScreenToX(int sx) const
{
    return PageToX(m_page->PageX(sx));
}

double TAxe::ScreenToY(int sy) const
{
    return PageToY(m_page->PageY(sy));
}
