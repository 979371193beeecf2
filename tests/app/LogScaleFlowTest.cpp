// A graph switched to a logarithmic scale in its dialog on the real main
// window, saved, opened again and exported, from the window and from the
// command line: the scale is refused while its minimum is zero, then kept
// through the document.
#include "EditorFixture.h"
#include "render/PagePicture.h"
#include "support/Processes.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace
{

QStringList TextsOf(const PagePicture &picture)
{
    QStringList texts;
    for (const PictureRecord &r : picture)
        if (r.Kind == TPictureOp::Text)
            texts << r.Text;
    return texts;
}

using LogScaleFlowTest = EditorFixture;

TEST_F(LogScaleFlowTest, ASwitchedScaleIsSavedReopenedAndExported)
{
    bool refusedAtZero = false;
    scripted.Dialogs.push_back([&refusedAtZero](QDialog &d) {
        auto *log = d.findChild<QCheckBox *>(QStringLiteral("CBLogX"));
        log->click();
        refusedAtZero = !log->isChecked();
        d.findChild<QLineEdit *>(QStringLiteral("EXMin"))->setText(QStringLiteral("0,01"));
        log->click();
        d.findChild<QPushButton *>(QStringLiteral("BOK"))->click();
        return d.result();
    });
    QTest::mouseClick(view, Qt::RightButton, {}, Screen({graph->XToPage(8), graph->YToPage(2)}));
    ASSERT_EQ(scripted.ExecutedDialogs, QStringList(QStringLiteral("MathDlg")));
    EXPECT_TRUE(refusedAtZero);
    EXPECT_EQ(scripted.MessageTexts(),
              QStringList(
                  QStringLiteral("L'échelle logarithmique demande un minimum supérieur à zéro.")));
    EXPECT_TRUE(graph->LogX);

    const QString document = dir.filePath(QStringLiteral("rampe-log.scv"));
    scripted.FileNames = {document, document, dir.filePath(QStringLiteral("rampe.emf"))};
    Action("SaveAs")->trigger();
    Action("Load")->trigger();
    ASSERT_EQ(view->FileName, document);
    ASSERT_EQ(view->GraphCount(), 1);
    EXPECT_TRUE(view->Graphs(0)->LogX);
    EXPECT_EQ(view->Graphs(0)->XMin, 0.01);
    // Decades from 10m to 10, which no linear scale of 0,01 to 10 labels.
    EXPECT_TRUE(TextsOf(view->Metafile()).contains(QStringLiteral("100m")));

    Action("WMF")->trigger();
    EXPECT_TRUE(ReadSampleFile(dir.filePath(QStringLiteral("rampe.emf")))
                    .startsWith(QByteArray("\x01\0\0\0", 4)));
    const QString svg = dir.filePath(QStringLiteral("rampe.svg"));
    const ProcessRun exported = RunProcess(ScolivetProgram(), {"--export", svg, document});
    ASSERT_EQ(exported.status, 0) << exported.errors.toStdString();
    const QByteArray content = ReadSampleFile(svg);
    EXPECT_TRUE(content.contains(">100m<"));
    EXPECT_EQ(scripted.MessageTexts().mid(1), QStringList("Sauvegarde du fichier :" + document))
        << "nothing failed";
}

} // namespace
