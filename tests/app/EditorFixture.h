#pragma once
// The real main window, offscreen, holding an imported ramp (one XY graph of
// V(N1) = 2 t, t = 0 .. 10), with mouse helpers in page points.
#include "annotations/TLine.h"
#include "app/UIsis2Graph.h"
#include "graphs/TAxe.h"
#include "page/TIsisGraph.h"
#include "support/SampleFiles.h"
#include "support/ScriptedPrompts.h"
#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

class EditorFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm1>();
        form->show();
        view = form->IsisGraph();
        view->setFixedSize(1007, 707);
        QByteArray ramp = "\"Time\",\"V(N1)\"\r\n";
        for (int i = 0; i <= 10; ++i)
            ramp += QByteArray::number(i) + "," + QByteArray::number(2 * i) + "\r\n";
        scripted.FileNames.push_back(WriteSampleFile(dir, QStringLiteral("rampe.dat"), ramp));
        Action("Isis")->trigger();
        QApplication::processEvents();
        ASSERT_EQ(view->GraphCount(), 1);
        graph = view->Graphs(0);
        initial = graph->ElementCount();
    }

    QAction *Action(const char *name) const
    {
        return form->findChild<QAction *>(QString::fromLatin1(name));
    }
    // The control pixel showing a page point, and the page point that pixel
    // gives back.
    QPoint Screen(QPoint p) const { return {view->ScreenX(p.x()), view->ScreenY(p.y())}; }
    QPoint Snap(QPoint p) const
    {
        const QPoint s = Screen(p);
        return {view->PageX(s.x()), view->PageY(s.y())};
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers shift = {},
              Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(view, button, shift, Screen(from));
        QTest::mouseMove(view, Screen((from + to) / 2));
        QTest::mouseMove(view, Screen(to));
        QTest::mouseRelease(view, button, shift, Screen(to));
    }
    void Click(QPoint at, Qt::KeyboardModifiers shift = {}) { Drag(at, at, shift); }
    // The element appended last.
    TSmallGraph *Last() const { return graph->Elements().back(); }
    TLine *AddLine(QPoint from, QPoint to)
    {
        auto *line = graph->AddElement(std::make_unique<TLine>(graph));
        line->MoveX(from.x());
        line->MoveY(from.y());
        line->SetX2(to.x());
        line->SetY2(to.y());
        view->Redraw();
        return line;
    }

    ScriptedPrompts scripted;
    QTemporaryDir dir;
    std::unique_ptr<TForm1> form;
    TIsisGraph *view = nullptr;
    TAxe *graph = nullptr;
    int initial = 0;
};
