#include "app/ToolkitSetup.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

void PrepareRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray dir =
        QFile::encodeName(QDir::tempPath()) + "/runtime-" + QByteArray::number(::getuid());
    if (::mkdir(dir.constData(), 0700) != 0 && errno != EEXIST)
        return;
    // A folder of that name left by someone else is not used.
    struct stat info {};
    if (::lstat(dir.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::getuid() || (info.st_mode & 0777) != 0700)
        return;
    qputenv("XDG_RUNTIME_DIR", dir);
}

namespace
{

// The file dialogs ask for the kind of each file ("Folder") under a context
// that Qt's French translation does not know; it holds the same words under
// the file dialog's own context.
class FileKindWords final : public QTranslator
{
public:
    FileKindWords(const QTranslator &qtbase, QObject *parent)
        : QTranslator(parent), m_qtbase(qtbase)
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *,
                      int n) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        return m_qtbase.translate("QFileDialog", sourceText, nullptr, n);
    }

private:
    const QTranslator &m_qtbase;
};

} // namespace

bool InstallFrenchToolkit(QCoreApplication &app)
{
    // Dates, and the kinds of files that the system describes, in French.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_fr"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator) &&
           QCoreApplication::installTranslator(new FileKindWords(*translator, translator));
}
