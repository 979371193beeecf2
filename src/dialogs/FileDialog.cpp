#include "dialogs/FileDialog.h"
#include "dialogs/Prompts.h"
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QScreen>
#include <QTreeView>

namespace
{

// Qt writes the sizes and dates of its file list in the system's locale,
// which may not be French.
class LocaleColumns final : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        constexpr int sizeColumn = 1;
        constexpr int dateColumn = 3;
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (!files || role != Qt::DisplayRole)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        if (index.column() == sizeColumn && !files->isDir(source))
            return QLocale().formattedDataSize(files->size(source), 1,
                                               QLocale::DataSizeTraditionalFormat);
        if (index.column() == dateColumn)
            return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }
};

void ShowWholeColumns(QFileDialog &dialog)
{
    // Sizes, kinds and dates are read whole; the name takes what is left.
    if (auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        for (int column = 1; column < details->header()->count(); ++column)
            details->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    if (const QScreen *screen = dialog.screen())
        dialog.resize(QSize(780, 460).boundedTo(screen->availableSize()));
}

} // namespace

void SetUpFileDialog(QFileDialog &dialog, const TFileDialogOptions &o,
                     QFileDialog::AcceptMode mode)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new LocaleColumns(&dialog));
    ShowWholeColumns(dialog);
    dialog.setAcceptMode(mode);
    dialog.setNameFilter(QtFileFilter(o.Filter));
    dialog.setDefaultSuffix(o.DefaultExt);
    if (!o.FileName.isEmpty()) {
        const QFileInfo info(o.FileName);
        if (info.isDir()) {
            dialog.setDirectory(info.absoluteFilePath());
        } else {
            dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
    }
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(o.FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !o.OverwritePrompt);
}
