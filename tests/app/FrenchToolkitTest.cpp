// Qt's own dialogs in French whatever the system's language: the file
// dialog's kinds, sizes and dates, as the prompts show it.
#include "app/ToolkitSetup.h"
#include "dialogs/FileDialog.h"
#include "dialogs/Prompts.h"
#include "support/SampleFiles.h"
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QTreeView>
#include <gtest/gtest.h>
#include <map>

namespace
{

class FrenchToolkitTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(InstallFrenchToolkit(*qApp)); }
    void TearDown() override
    {
        QLocale::setDefault(m_before);
        qDeleteAll(qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly));
    }

private:
    QLocale m_before;
};

TEST_F(FrenchToolkitTest, TheFileDialogListsKindsSizesAndDatesInFrench)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("dossier")));
    QFile note(WriteSampleFile(dir, QStringLiteral("note.txt"), "abc"));
    ASSERT_TRUE(note.open(QIODevice::ReadWrite));
    ASSERT_TRUE(note.setFileTime(QDateTime(QDate(2020, 7, 14), QTime(10, 30)),
                                 QFileDevice::FileModificationTime));
    note.close();

    QFileDialog dialog;
    TFileDialogOptions options;
    options.Filter = QStringLiteral("Textes (*.txt)|*.txt");
    options.FileName = dir.path();
    SetUpFileDialog(dialog, options, QFileDialog::AcceptOpen);
    dialog.show();
    const auto *list = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    ASSERT_NE(list, nullptr);
    const QAbstractItemModel *model = list->model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(list->rootIndex()) == 2; }, 5000));

    std::map<QString, QStringList> rows; // name -> size, kind, date
    for (int row = 0; row < 2; ++row) {
        QStringList cells;
        for (int column = 1; column < 4; ++column)
            cells << model->index(row, column, list->rootIndex()).data().toString();
        rows[model->index(row, 0, list->rootIndex()).data().toString()] = cells;
    }
    EXPECT_EQ(rows[QStringLiteral("dossier")].value(1), QStringLiteral("Dossier"));
    EXPECT_EQ(rows[QStringLiteral("note.txt")].value(0), QStringLiteral("3 octets"));
    EXPECT_TRUE(rows[QStringLiteral("note.txt")].value(2).startsWith(QStringLiteral("14/07/2020")))
        << rows[QStringLiteral("note.txt")].value(2).toStdString();
    EXPECT_EQ(model->headerData(3, Qt::Horizontal).toString(),
              QStringLiteral("Dernière modification"));
}

} // namespace
