#pragma once
// The page view: the stack of graphs, the page's series, the selection, the
// current style that new elements take, hit-testing and pointer shapes.
#include "data/PartChooser.h"
#include "data/TColor.h"
#include "page/PageHistory.h"
#include "page/TGraphEMF.h"
#include "render/TFont.h"
#include <QString>
#include <QStringList>
#include <memory>
#include <string_view>
#include <vector>

class DocumentReader;
class DocumentWriter;
class TAxe;
class TDatas;
class TDessin;
class TDialogSet;
struct TGainPhase;
struct TPageExtras;

class TIsisGraph : public TGraphEMF
{
    Q_OBJECT
public:
    explicit TIsisGraph(QWidget *parent = nullptr);
    ~TIsisGraph() override;

    // Page size. The height is the sum of the graph heights; setting it
    // shares the new height among the graphs in proportion and stacks them
    // from the top. With no graph the page keeps the height last set.
    int MFHeight() const override;
    void SetMFHeight(int v) override;
    // Also gives every graph the new width.
    void SetMFWidth(int v) override;

    // Graphs, stacked top to bottom in list order; the page owns them.
    int GraphCount() const { return int(m_graphs.size()); }
    // Null for an index outside the list or an empty position.
    TAxe *Graphs(int i) const;
    // Frees the graphs at n and above; new positions stay empty.
    void SetGraphCount(int n);
    // Puts a graph at an existing position, freeing the one there.
    void SetGraphs(int i, std::unique_ptr<TAxe> graph);
    // Appends a graph as it is (no re-stacking) and returns it.
    TAxe *AppendGraph(std::unique_ptr<TAxe> graph);
    // Appends an XY graph of every series but the first and re-stacks.
    // An edit: marks the page modified.
    void AddGraph();
    // Frees graph i and re-stacks; other indexes are ignored. An edit.
    void DeleteGraph(int i);
    // Last graph whose frame holds the page point, edges included; -1 if none.
    int GraphIndexAt(int px, int py) const;
    // The same for a control pixel.
    int GraphIndexAtScreen(int sx, int sy) const;

    // Frontmost annotation under a control pixel; curves are never returned.
    TDessin *ElementAt(int sx, int sy) const;
    // Pointer shape number for a control pixel.
    int CursorAt(int sx, int sy) const;
    // Runs the property dialog of the frontmost element under a control
    // pixel, or of the graph there when no element is; outside every graph,
    // the page's dialog when the page holds a graph.
    void EditAt(int sx, int sy);
    // The page's dialog: height, width, margin and background, applied on OK
    // in that order, then the graphs are stacked again.
    void EditPage();
    // Whether a control pixel lies on the selected annotation's handles.
    bool OnMoveHandle(int sx, int sy) const;
    bool OnSizeHandle(int sx, int sy) const;

    // The selected annotation (not owned). Setting a new one raises
    // SelectedChange and repaints at once.
    TDessin *Selected() const { return m_selected; }
    void SetSelected(TDessin *p);

    // Records the page picture from the graphs.
    void RenderPage();
    // RenderPage, then repaint at once. Every edit ends with it.
    void Redraw();
    // Settles what drawing computes (the sizes texts keep) without recording
    // the picture.
    void MeasurePage();
    // A page only read to be written again (a conversion from the command
    // line) keeps no undo history and is never drawn unless RenderPage is
    // called: opening and importing then neither copy nor draw the page.
    void SetConversion(bool on) { m_conversion = on; }

    // Replaces the page by an import of a simulator graph export; defined
    // with the import. On false, why (when given) holds the message to show:
    // "Format de fichier non reconnu", then the reason on the next line.
    bool ImportIsis(const QString &fileName, QString *why = nullptr);
    // The same for a file of any format FileKind knows but documents; choose
    // picks the part of a file that holds several. On false the page is as
    // it was and why holds the message, or is empty when the choice was
    // cancelled.
    bool ImportFile(const QString &fileName, QString *why = nullptr,
                    const TPartChooser &choose = {});
    // Replaces the page by one XY graph of the series: series 0 as abscissa,
    // one curve for each of the others (up to 255), 2000 by 1500 points.
    void ImportSeries(TDatas series);
    // Replaces the page by the Bode plot of an AC analysis: two graphs on a
    // logarithmic scale of series 0, the gains of the pairs above their
    // phases, each phase in its gain's colour, 2000 by 2000 points.
    void ImportBode(TDatas series, const std::vector<TGainPhase> &pairs);
    // Replaces the page by one oscilloscope screen of the given series (made
    // by OscSeries). With fewer than two series it says that the instrument
    // shows nothing and leaves the page as it was.
    bool ImportOscSeries(TDatas series);

    // Documents, defined with the document reader and writer.
    // The page as a document: series, page, graphs and their elements.
    QByteArray SaveToBytes() const;
    // Replaces the page by the document's, read aside: the page, its series,
    // selection and zoom change only once the whole document was read.
    // Returns the French reason of a failure, empty on success.
    QString LoadFromBytes(std::string_view bytes);
    // The same with a file, showing nothing; on success FileName is the
    // file and the page counts as unmodified. Saving replaces the file only
    // once the document is completely written, and refuses a file that is
    // one of inputs.
    QString WriteDocument(const QString &fileName, const QStringList &inputs = {});
    QString ReadDocument(const QString &fileName);
    // With messages: "Sauvegarde du fichier :" and the name before writing,
    // the reason of any failure after. Return whether it succeeded.
    bool SaveToFile(const QString &fileName);
    bool LoadFromFile(const QString &fileName);
    // Whether the file's first line holds the document banner.
    static bool IsDocumentFile(const QString &fileName);
    // What a document holds after its series: "[Axes]", the page and its
    // graphs, "[Axes End]" and every line that follows.
    void WriteLayout(DocumentWriter &out) const;
    // Replaces the page by datas and the layout read from in, as
    // LoadFromBytes does with a whole document (FileName is left alone).
    // Returns the French reason of a failure, empty on success.
    QString LoadLayout(std::unique_ptr<TDatas> datas, DocumentReader &in);

    // The one change point: every command that edits the page calls it once,
    // after the edit, with the change's name ("déplacer le texte"). A change
    // becomes one undo step; a command that changed nothing adds none.
    // Opening and importing start a new history.
    void MarkModified(const QString &change);
    // The page as it is counts as saved.
    void ClearModified();
    // The page as it is counts as unsaved, until saved.
    void MarkUnsaved();
    // Whether the page differs from the one last opened, imported or saved.
    bool Modified() const { return m_history.Modified(); }
    const TPageHistory &History() const { return m_history; }
    // Put the page back as it was before the last change (as it was after the
    // last undone change), deselected, zoom and scroll kept. Without such a
    // change nothing happens; a failure says why in a message.
    void Undo();
    void Redo();

    QString FileName;
    TColor BackColor = clWhite;
    // Relative margin kept inside every graph frame.
    static constexpr double DefaultMarge = 0.1;
    static constexpr double MinMarge = 0.02;
    static constexpr double MaxMarge = 0.4;
    double Marge = DefaultMarge;
    // The serial port last chosen for the oscilloscope; until then "COM1" on
    // Windows, where ports have such names, and none elsewhere.
#ifdef Q_OS_WIN
    QString PortName = QStringLiteral("COM1");
#else
    QString PortName;
#endif
    std::unique_ptr<TDatas> Datas;

    // Current style, taken by new elements.
    TColor DefColor = clBlack;
    int DefEpais = 4;
    TFont DefFont{QStringLiteral("Times New Roman"), 30};
    bool DefFill = false;
    int DefArrowSize = 40;
    bool DefDoubleArrow = false;

    // The property dialogs, made once each and kept with the page view.
    TDialogSet &Dialogs() { return *m_dialogs; }

    // While true the pointer follows what lies under the mouse.
    bool TrackCursor = true;

signals:
    void SelectedChange(TIsisGraph *sender, TDessin *p);
    // The undo history changed: a change, an undo or redo, a new history, or
    // the page as it is now counts as saved. Modified() tells the outcome.
    void HistoryChange();
    // A document was read from or written to the file, now FileName.
    void DocumentNamed(const QString &fileName);

protected:
    void PaintMarks(Canvas &screen) override;
    void TrackMouse(int x, int y) override;

private:
    void restack(int height);
    void installDocument(std::unique_ptr<TDatas> datas, int width, TColor back,
                         std::vector<std::unique_ptr<TAxe>> graphs, const TPageExtras &extras);
    // LoadLayout without its guard: conversion errors are thrown.
    void readLayout(std::unique_ptr<TDatas> datas, DocumentReader &in);
    // The whole document: its lines, then the section of what they cannot hold.
    void writePage(DocumentWriter &out) const;
    // The page's lines between "[Axes]" and "[Axes End]": width, background,
    // graph count and graphs. Reading takes the count and the graphs.
    void writeAxes(DocumentWriter &out) const;
    std::vector<std::unique_ptr<TAxe>> readGraphs(TDatas *datas, DocumentReader &in);
    // The page's state for the history: the series' names, units and
    // colours, the page's lines without the samples, and their section.
    QByteArray snapshot() const;
    // The same once the page was rendered.
    QByteArray settledSnapshot();
    // Puts a snapshot back; the French reason of a failure, empty on success.
    QString restore(const QByteArray &state);
    void startHistory();
    // Restores state, then moves the history by one step.
    void travel(const QByteArray &state, void (TPageHistory::*move)());
    // Deselects when the selected annotation belongs to a graph being freed.
    void releaseSelectionIn(const TAxe *graph);

    std::vector<std::unique_ptr<TAxe>> m_graphs;
    // The graphs the last undo or redo took off the page, kept for what
    // their curves drew (see restore).
    std::vector<std::unique_ptr<TAxe>> m_replaced;
    TDessin *m_selected = nullptr;
    TPageHistory m_history;
    bool m_conversion = false;
    std::unique_ptr<TDialogSet> m_dialogs;
};
