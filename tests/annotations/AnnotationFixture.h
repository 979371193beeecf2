#pragma once
// The test page holding one empty XY graph on 0..10 x -1..1, to which
// annotations are added.
#include "support/GraphPageFixture.h"

class AnnotationFixture : public GraphPageFixture
{
protected:
    AnnotationFixture() : graph(AddGraph(0, 10, -1, 1)) {}

    // Takes ownership as the graph does.
    template <class T> T *Add(T *element) { return graph->AddElement(std::unique_ptr<T>(element)); }

    TMath *graph = nullptr;
};
