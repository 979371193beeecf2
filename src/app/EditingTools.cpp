#include "app/EditingTools.h"

#include "annotations/Marker.h"
#include "annotations/TArrow.h"
#include "annotations/TCircle.h"
#include "annotations/TLine.h"
#include "annotations/TRecta.h"
#include "annotations/TTexte.h"
#include "graphs/TAxe.h"
#include "page/PointerShapes.h"
#include "page/TIsisGraph.h"
#include "render/Canvas.h"
#include <QAction>
#include <array>
#include <memory>

namespace
{

// The exclusive tools and the pointer shown while each is armed.
struct ToolRow {
    QAction *TMainActions::*action;
    int shape;
};

constexpr std::array<ToolRow, 8> tools{{
    {&TMainActions::DeleteGraph, crDeleteGraph},
    {&TMainActions::AddTexte, crTexte},
    {&TMainActions::AddLine, crLine},
    {&TMainActions::AddArrow, crArrow},
    {&TMainActions::AddRecta, crRecta},
    {&TMainActions::AddCircle, crCircle},
    {&TMainActions::AddHMarker, crHMarker},
    {&TMainActions::AddVMarker, crVMarker},
}};

bool armed(const QAction *a)
{
    return a->isChecked();
}

void bandStyle(Canvas &c)
{
    c.Pen = TPen{clBlack, 1};
    c.Brush.Style = TBrushStyle::bsClear;
}

} // namespace

TEditingTools::TEditingTools(const TMainActions &actions, TIsisGraph &view,
                             std::function<void()> refreshView, QObject *parent)
    : QObject(parent), m_actions(actions), m_view(view), m_refreshView(std::move(refreshView))
{
    for (const ToolRow &row : tools) {
        QAction *tool = m_actions.*row.action;
        tool->setCheckable(true);
        connect(tool, &QAction::triggered, this,
                [this, tool, shape = row.shape](bool checked) {
                    ToolTriggered(tool, shape, checked);
                });
    }
    connect(m_actions.AddGraph, &QAction::triggered, this, [this] {
        SelectTool(m_actions.AddGraph);
        m_view.AddGraph();
        m_view.Redraw();
        m_actions.DeleteGraph->setEnabled(true);
    });
    connect(m_actions.AddDelete, &QAction::triggered, this, &TEditingTools::AddDelete);
    connect(m_actions.DrawUp, &QAction::triggered, this, [this] { Restack(true); });
    connect(m_actions.DrawDown, &QAction::triggered, this, [this] { Restack(false); });

    connect(&m_view, &TGraphEMF::MouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { MouseDown(x, y); });
    connect(&m_view, &TGraphEMF::MouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) { MouseMove(x, y); });
    connect(&m_view, &TGraphEMF::MouseUp, this, &TEditingTools::MouseUp);
}

void TEditingTools::SelectTool(QAction *source)
{
    m_view.SetSelected(nullptr);
    for (const ToolRow &row : tools) {
        QAction *tool = m_actions.*row.action;
        if (tool != source)
            tool->setChecked(false);
    }
}

void TEditingTools::ToolTriggered(QAction *tool, int shape, bool checked)
{
    // The action has already inverted its own check mark.
    SelectTool(tool);
    m_view.TrackCursor = !checked;
    if (checked)
        m_view.SetCursorShape(shape);
}

bool TEditingTools::PressedOnMoveHandle() const
{
    return DownPoint.x() != -1 && m_view.OnMoveHandle(DownPoint.x(), DownPoint.y());
}

bool TEditingTools::PressedOnSizeHandle() const
{
    return DownPoint.x() != -1 && m_view.OnSizeHandle(DownPoint.x(), DownPoint.y());
}

void TEditingTools::MouseDown(int x, int y)
{
    DownPoint = QPoint(x, y);
    // The pointer keeps its shape while the selection is dragged.
    if (m_view.OnMoveHandle(x, y))
        m_view.TrackCursor = false;
}

void TEditingTools::MouseMove(int x, int y)
{
    // Feedback is drawn over a graph only; the last one stays elsewhere.
    if (m_view.GraphIndexAtScreen(x, y) < 0)
        return;
    if (DownPoint.x() != -1 && RubberBand(x, y))
        return;
    HandleFeedback(x, y);
}

bool TEditingTools::RubberBand(int x, int y)
{
    const QPoint d = DownPoint;
    if (armed(m_actions.AddLine) || armed(m_actions.AddArrow)) {
        m_view.SetFeedback([d, x, y](Canvas &c) {
            bandStyle(c);
            c.MoveTo(d.x(), d.y());
            c.LineTo(x, y);
        });
    } else if (armed(m_actions.AddRecta)) {
        m_view.SetFeedback([d, x, y](Canvas &c) {
            bandStyle(c);
            c.Rectangle(d.x(), d.y(), x, y);
        });
    } else if (armed(m_actions.AddCircle)) {
        // Centred on the press point.
        m_view.SetFeedback([d, x, y](Canvas &c) {
            bandStyle(c);
            c.Ellipse(2 * d.x() - x, 2 * d.y() - y, x, y);
        });
    } else {
        return false;
    }
    return true;
}

void TEditingTools::HandleFeedback(int x, int y)
{
    const TDessin *selected = m_view.Selected();
    const int offX = x - DownPoint.x();
    const int offY = y - DownPoint.y();
    if (m_view.OnMoveHandle(x, y)) {
        m_view.SetCursorShape(crHandPoint);
    } else if (PressedOnMoveHandle()) {
        m_view.SetFeedback(
            [selected, offX, offY](Canvas &c) { selected->DrawSelection(c, offX, offY); });
    } else if (m_view.OnSizeHandle(x, y)) {
        m_view.SetCursorShape(crSizeNESW);
    } else if (PressedOnSizeHandle()) {
        m_view.SetFeedback(
            [selected, offX, offY](Canvas &c) { selected->DrawSizing(c, offX, offY); });
    }
}

void TEditingTools::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)
{
    if (armed(m_actions.DeleteGraph)) {
        DeleteGraphAt(x, y);
    } else {
        const int at = m_view.GraphIndexAtScreen(x, y);
        TAxe *g = m_view.Graphs(at);
        const bool samePress = g && at == m_view.GraphIndexAtScreen(DownPoint.x(), DownPoint.y());
        if (button == Qt::LeftButton && samePress)
            LeftRelease(*g, shift, x, y);
        else if (button == Qt::RightButton)
            m_view.EditAt(x, y);
    }
    m_view.TrackCursor = true;
    DownPoint = QPoint(-1, -1);
    m_view.Redraw();
}

void TEditingTools::DeleteGraphAt(int x, int y)
{
    m_view.DeleteGraph(m_view.GraphIndexAtScreen(x, y));
    m_actions.DeleteGraph->setChecked(false);
    m_actions.DeleteGraph->setEnabled(m_view.GraphCount() >= 2);
    m_refreshView();
    m_view.TrackCursor = true;
    m_view.SetCursorShape(m_view.CursorAt(x, y));
}

void TEditingTools::LeftRelease(TAxe &g, Qt::KeyboardModifiers shift, int x, int y)
{
    const QPoint up(m_view.PageX(x), m_view.PageY(y));
    const QPoint down(m_view.PageX(DownPoint.x()), m_view.PageY(DownPoint.y()));
    if (Create(g, down, up) || DragHandle(down, up))
        return;
    TDessin *under = m_view.ElementAt(x, y);
    if (under && (shift & Qt::ShiftModifier)) {
        under->ApplyDefaults();
        m_view.MarkModified(QStringLiteral("mettre en forme ") + under->Designation());
    } else {
        m_view.SetSelected(under);
    }
}

bool TEditingTools::DragHandle(QPoint down, QPoint up)
{
    TDessin *selected = m_view.Selected();
    if (PressedOnMoveHandle()) {
        selected->SetDX(selected->DX + up.x() - down.x());
        selected->SetDY(selected->DY - up.y() + down.y());
        m_view.MarkModified(QStringLiteral("déplacer ") + selected->Designation());
    } else if (PressedOnSizeHandle()) {
        selected->SetX2(selected->GetX2() + up.x() - down.x());
        selected->SetY2(selected->GetY2() + up.y() - down.y());
        m_view.MarkModified(QStringLiteral("redimensionner ") + selected->Designation());
    } else {
        return false;
    }
    return true;
}

QAction *TEditingTools::ArmedTool() const
{
    for (const ToolRow &row : tools)
        if (armed(m_actions.*row.action))
            return m_actions.*row.action;
    return nullptr;
}

bool TEditingTools::Create(TAxe &g, QPoint down, QPoint up)
{
    QAction *tool = ArmedTool();
    if (!tool || tool == m_actions.DeleteGraph)
        return false;
    if (tool == m_actions.AddTexte) {
        AddTexte(g, up);
    } else {
        const TDessin *shape = g.AddElement(MakeShape(tool, g, down, up));
        m_view.MarkModified(QStringLiteral("ajouter ") + shape->Designation());
    }
    tool->setChecked(false);
    return true;
}

std::unique_ptr<TDessin> TEditingTools::MakeShape(QAction *tool, TAxe &g, QPoint down,
                                                  QPoint up) const
{
    // Markers mark the value under the release point.
    if (tool == m_actions.AddHMarker) {
        auto m = std::make_unique<THMarker>(&g);
        m->RefY = g.PageToY(up.y());
        return m;
    }
    if (tool == m_actions.AddVMarker) {
        auto m = std::make_unique<TVMarker>(&g);
        m->RefX = g.PageToX(up.x());
        return m;
    }
    // Two-point shapes run from the press to the release; a circle is
    // centred on the press.
    std::unique_ptr<TDessin> shape;
    if (tool == m_actions.AddLine)
        shape = std::make_unique<TLine>(&g);
    else if (tool == m_actions.AddArrow)
        shape = std::make_unique<TArrow>(&g);
    else if (tool == m_actions.AddRecta)
        shape = std::make_unique<TRecta>(&g);
    else
        shape = std::make_unique<TCircle>(&g);
    shape->MoveX(down.x());
    shape->MoveY(down.y());
    shape->SetX2(up.x());
    shape->SetY2(up.y());
    return shape;
}

void TEditingTools::AddTexte(TAxe &g, QPoint at)
{
    auto text = std::make_unique<TTexte>(&g);
    text->SetDX(at.x() - g.Left);
    text->SetDY(g.Bottom() - at.y());
    text->Edit();
    // A text left empty in its dialog is not created.
    if (text->Texte.isEmpty())
        return;
    g.AddElement(std::move(text));
    m_view.MarkModified(QStringLiteral("ajouter le texte"));
}

void TEditingTools::AddDelete()
{
    TDessin *selected = m_view.Selected();
    SelectTool(m_actions.AddDelete);
    if (selected) {
        const QString change = QStringLiteral("supprimer ") + selected->Designation();
        selected->Owner->DeleteElement(selected);
        m_view.MarkModified(change);
    }
    m_view.Redraw();
}

void TEditingTools::Restack(bool up)
{
    TDessin *selected = m_view.Selected();
    if (selected) {
        TAxe *g = selected->Owner;
        std::unique_ptr<TSmallGraph> owned = g->RemoveElement(selected);
        if (up)
            g->AddElement(std::move(owned));
        else
            g->InsertElement(std::move(owned));
        m_view.MarkModified(QStringLiteral("passer ") + selected->Designation() +
                            (up ? QStringLiteral(" au premier plan")
                                : QStringLiteral(" en arrière-plan")));
    }
    m_view.Redraw();
}
