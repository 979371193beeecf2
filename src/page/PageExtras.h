#pragma once
// What a page holds beyond its document's lines, kept in the document's
// section (data/DocumentSection.h), and only when the lines do not already
// give it back:
//   Marge=0,02                     the page margin, when not the default
//   Graphe 2 LogX=1                a logarithmic X scale (LogY=1: Y scale)
//   Graphe 1 Element 3 Valeur=10   the exact level of a horizontal marker
//                                  that stacking the graphs would move
// Graphs and elements are numbered from 1 in the order the document lists
// them. Unknown keys, and keys naming what the page lacks, are ignored.
//
// Keys that change how graphs map values (the margin, the scales) take effect
// before the graphs are stacked; exact values are put back after.
#include "data/DocumentSection.h"
#include <cstddef>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class DocumentReader;
class TAxe;
class TIsisGraph;

struct TPageExtras {
    double Marge;
    // Logarithmic X and Y scales by graph, from 0.
    std::map<std::size_t, std::pair<bool, bool>> LogScales;
    // Marked values by graph and element, both from 0.
    std::map<std::pair<std::size_t, std::size_t>, double> Values;
};

std::vector<TSectionEntry> PageExtraEntries(const TIsisGraph &page);
// The section after the page's lines; the page's defaults without one. A
// value that is not a number, or a margin out of its range, stops the
// reading with the line's number.
TPageExtras ReadPageExtras(DocumentReader &in);
// Before the graphs read with the page are stacked.
void ApplyPageExtras(TIsisGraph &page, const std::vector<std::unique_ptr<TAxe>> &graphs,
                     const TPageExtras &extras);
// Once they are.
void ApplyMarkedValues(TIsisGraph &page, const TPageExtras &extras);
