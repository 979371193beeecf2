#pragma once
// The page view's control: the page picture, the page size in page units,
// the zoom and scroll offsets, the page/screen mapping and the painting.
// Painting only stretches the cached picture; RenderPage (in TIsisGraph)
// is the one place that records it.
#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>

class Canvas;
class PagePicture;

class TGraphEMF : public QWidget
{
    Q_OBJECT
public:
    explicit TGraphEMF(QWidget *parent = nullptr);
    ~TGraphEMF() override;

    // Page size in page units. The page view overrides these to keep its
    // graphs stacked over the page.
    int MFWidth() const { return m_mfWidth; }
    virtual void SetMFWidth(int v);
    virtual int MFHeight() const { return m_mfHeight; }
    virtual void SetMFHeight(int v);

    // Zoom factor, 1 .. MaxZoom; setting it clamps and re-clamps the offsets.
    // Neither setter repaints: the caller does.
    int Zoom() const { return m_zoom; }
    void SetZoom(int z);
    // Scroll offsets in page units, 0 = page centred, within +-Max*Offset.
    int XOffset() const { return m_xOffset; }
    void SetXOffset(int v);
    int YOffset() const { return m_yOffset; }
    void SetYOffset(int v);

    // Page units per screen pixel at zoom 1.
    double Scale() const;
    int MaxZoom() const;
    int MaxXOffset() const;
    int MaxYOffset() const;

    // Control pixels <-> page units at the current zoom and offsets.
    int PageX(int sx) const;
    int PageY(int sy) const;
    int ScreenX(int px) const;
    int ScreenY(int py) const;

    // Where the page lies on the control (right and bottom exclusive);
    // empty while the control is under 8 pixels in a direction.
    QRect PageRect() const;

    // The rendered page, read by the exports.
    const PagePicture &Metafile() const { return *m_picture; }

    // Rubber-band feedback of the editing tools: drawn in control pixels on
    // top of the page and the selection marks at every paint until cleared.
    // Setting or clearing it repaints.
    void SetFeedback(std::function<void(Canvas &)> draw);
    void ClearFeedback();
    // Repaints at once, without any feedback.
    void RepaintNow();

    // Pointer shape by number (see PointerShapes.h).
    int CursorShape() const { return m_cursorShape; }
    void SetCursorShape(int number);

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // The page picture was recorded anew.
    void PageChanged();
    // The control changed size; the zoom was already brought within the new
    // MaxZoom, which changed it when zoomChanged.
    void Resized(bool zoomChanged);

protected:
    // The picture RenderPage records into; PictureChanged drops the screen
    // caches once it is complete.
    PagePicture &Picture() { return *m_picture; }
    void PictureChanged();
    // Marks drawn in control pixels above the page (the selection).
    virtual void PaintMarks(Canvas &screen);
    // Called before MouseMove is raised (pointer tracking).
    virtual void TrackMouse(int x, int y);

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void clampOffsets();
    const QPixmap &pageFrame();
    void composePage(QPixmap &target);
    const QPixmap *stretchedPicture();
    // The picture replayed onto a white image of the given device pixels.
    QPixmap replayed(QSize pixels, const QRectF &page) const;

    int m_mfWidth = 3000;
    int m_mfHeight = 2000;
    std::unique_ptr<PagePicture> m_picture;
    int m_zoom = 1;
    int m_xOffset = 0;
    int m_yOffset = 0;
    int m_cursorShape = 0;
    std::function<void(Canvas &)> m_feedback;

    // The control's picture without marks, per (size, zoom, offsets).
    struct FrameKey {
        QSize Size;
        double Ratio = 1;
        int Zoom = 0, XOffset = 0, YOffset = 0, Width = 0, Height = 0;
        bool operator==(const FrameKey &) const = default;
    };
    FrameKey frameKey() const;
    QPixmap m_frame;
    FrameKey m_frameKey;
    bool m_frameValid = false;
    // The picture stretched to its whole on-screen size, when small enough,
    // so that scrolling only blits part of it.
    QPixmap m_stretched;
    bool m_stretchedValid = false;
};
