#pragma once
// An element's graph seen by the dialogs: its frame and its value mapping.
#include "dialogs/ValueMapping.h"
#include "page/TSmallGraph.h"

class TOwnerMapping final : public TValueMapping
{
public:
    explicit TOwnerMapping(const TSmallGraph &element) : m_element(element) {}

    int Left() const override { return m_element.Left(); }
    int Bottom() const override { return m_element.Bottom(); }
    int Width() const override { return m_element.Width(); }
    int Height() const override { return m_element.Height(); }
    double XMin() const override { return m_element.XMin(); }
    double XMax() const override { return m_element.XMax(); }
    double YMin() const override { return m_element.YMin(); }
    double YMax() const override { return m_element.YMax(); }
    int XToPage(double x) const override { return m_element.XToPage(x); }
    int YToPage(double y) const override { return m_element.YToPage(y); }
    double PageToX(int px) const override { return m_element.PageToX(px); }
    double PageToY(int py) const override { return m_element.PageToY(py); }

private:
    const TSmallGraph &m_element;
};
