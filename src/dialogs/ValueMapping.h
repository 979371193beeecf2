#pragma once
// What the reference tab needs of an annotation's graph: its frame on the
// page and the mapping between graph values and page units.
class TValueMapping
{
public:
    virtual ~TValueMapping() = default;

    virtual int Left() const = 0;
    virtual int Bottom() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual double XMin() const = 0;
    virtual double XMax() const = 0;
    virtual double YMin() const = 0;
    virtual double YMax() const = 0;
    virtual int XToPage(double x) const = 0;
    virtual int YToPage(double y) const = 0;
    virtual double PageToX(int px) const = 0;
    virtual double PageToY(int py) const = 0;
};
