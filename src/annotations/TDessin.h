#pragma once
// Base of every annotation placed on a graph: an anchor tied either to a
// point in graph values or to the graph's lower-left corner, a signed second
// point, a pen thickness, and the on-screen selection marks.
#include "annotations/OwnerMapping.h"
#include "data/PageUnits.h"
#include "page/TSmallGraph.h"
#include <QPoint>

class Canvas;
class QDialog;
class DocumentReader;
class TAxe;
class TDessinDlg;
class TLegende;
class TMarker;

class TDessin : public TSmallGraph
{
public:
    explicit TDessin(TAxe *owner);

    // true: the anchor follows (RefX, RefY) in graph values; false: it is
    // placed relative to the graph's lower-left corner.
    bool LockXY = false;
    int DY = 0; // page units, positive upward
    int DX = 0; // page units, positive to the right
    double RefX = 0;
    double RefY = 0;
    int Largeur = 0; // second point's X minus the anchor's X
    int Hauteur = 0; // second point's Y minus the anchor's Y (down is positive)
    int Epais = 0;

    TDessin *AsDessin() override { return this; }
    // The marker (series label) this annotation is, or nullptr.
    virtual TMarker *AsMarker() { return nullptr; }
    virtual TLegende *AsLegende() { return nullptr; }
    // Whether the user may delete it (legends go with their curve only).
    virtual bool Deletable() const { return true; }

    // Offsets are held within the page's limits.
    virtual void SetDX(int value);
    virtual void SetDY(int value);
    // Page position of the anchor.
    virtual int GetX() const;
    virtual int GetY() const;
    // Whether Draw draws: an anchored annotation hides while its reference
    // point lies outside the graph's scale.
    virtual bool IsVisible() const;
    // Selection marks on the page view's control, in screen pixels, shifted
    // by the drag offset (offX, offY): by default the frame through the
    // anchor and the second point, with both handles.
    virtual void DrawSelection(Canvas &screen, int offX, int offY) const;
    // The frame while the size handle is dragged by (offX, offY): only the
    // second point's corner and the size handle follow the drag.
    virtual void DrawSizing(Canvas &screen, int offX, int offY) const;
    // Screen position of the size handle; (-1, -1) when there is none.
    virtual QPoint GetSizeHandle() const;
    // Take the page's current style / make the element's style current:
    // colour and thickness, each kind adding its own.
    virtual void ApplyDefaults();
    virtual void StoreDefaults();

    int GetX2() const { return GetX() + Largeur; }
    int GetY2() const { return GetY() + Hauteur; }
    // Anchor to page X (or Y); the second point keeps its offset.
    void MoveX(int x);
    void MoveY(int y);
    // Second point to page X (or Y); the anchor stays.
    void SetX2(int x) { Largeur = ClampPage(1LL * x - GetX()); }
    void SetY2(int y) { Hauteur = ClampPage(1LL * y - GetY()); }
    // Stretch offsets and extents with the graph (ties to even).
    void ScaleX(double f) override;
    void ScaleY(double f) override;
    // Screen position of the anchor: where the move handle sits.
    QPoint GetScreenPoint() const;

    // The red selection outline through the four corners.
    static void DrawFrame(Canvas &screen, int x1, int y1, int x2, int y2);
    // Round olive handle centred on (x, y).
    static void DrawMoveHandle(Canvas &screen, int x, int y);
    // Square yellow handle centred on (x, y).
    static void DrawSizeHandle(Canvas &screen, int x, int y);

    // The reference tab of a dialog: the anchor before showing (the dialog
    // refers to this annotation's graph while shown), read back after OK.
    void FillDialog(TDessinDlg &dlg) const;
    void ReadDialog(const TDessinDlg &dlg);
    // Shows the dialog through the prompts; true on OK.
    bool RunDialog(QDialog &dlg);

private:
    TOwnerMapping m_mapping{*this};
protected:
    // The seven document lines every annotation writes after its keyword:
    // DX, DY, Hauteur, Largeur, RefX, RefY, LockXY. DX and DY are read
    // through SetDX and SetDY.
    void SaveCommon(DocumentWriter &out) const;
    void LoadCommon(DocumentReader &in);
};
