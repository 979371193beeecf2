#include "app/HeadlessExport.h"

#include "data/ReadableFile.h"
#include "data/SystemFileName.h"
#include "dialogs/Prompts.h"
#include "page/TIsisGraph.h"
#include "render/PageExport.h"
#include "scope/CTds.h"
#include "scope/TdsImport.h"
#include <cstdio>
#include <cstring>

namespace
{

int fail(QString message)
{
    // Messages meant for a box separate their lines by LF then CR.
    message.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    // File names in it go out with their own bytes.
    std::fprintf(stderr, "%s\n", FileNameBytes(message).constData());
    return 1;
}

// Without a window, the page's messages go to the error output.
class ConsolePrompts final : public Prompts
{
public:
    QMessageBox::StandardButton Message(QWidget *, Icon, const QString &text,
                                        QMessageBox::StandardButtons, const QString &) override
    {
        fail(text);
        return QMessageBox::Ok;
    }
    QString OpenFileName(QWidget *, const TFileDialogOptions &) override { return {}; }
    QString SaveFileName(QWidget *, const TFileDialogOptions &) override { return {}; }
    bool ChooseColor(QWidget *, TColor &) override { return false; }
    bool ChooseFont(QWidget *, TFont &) override { return false; }
    int Exec(QDialog &) override { return 0; }
};

// A name ending in ".scv" gets the page as a document, any other its
// picture: the page is drawn for a picture only, once.
QString WritePage(TIsisGraph &page, const QString &outFile, const QStringList &inputs = {})
{
    if (outFile.endsWith(QStringLiteral(".scv"), Qt::CaseInsensitive)) {
        page.MeasurePage();
        return page.WriteDocument(outFile, inputs);
    }
    page.RenderPage();
    return ExportPagePicture(page.Metafile(), outFile, page.BackColor, inputs);
}

// A document is known by its banner, anything else is imported; a file that
// holds several simulations gives the one proposed.
QString ReadInput(TIsisGraph &page, const QString &inputFile)
{
    if (TIsisGraph::IsDocumentFile(inputFile))
        return page.ReadDocument(inputFile);
    QString why;
    return page.ImportFile(inputFile, &why) ? QString() : why;
}

} // namespace

bool WantsHeadlessExport(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"--export", "--capture"}) {
            const std::size_t n = std::strlen(option);
            if (std::strncmp(argv[i], option, n) == 0 && (argv[i][n] == '\0' || argv[i][n] == '='))
                return true;
        }
    }
    return false;
}

void PrepareHeadlessPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int HeadlessExport(const QString &outFile, const QString &inputFile)
{
    if (inputFile.isEmpty())
        return fail(QStringLiteral("Aucun fichier à exporter : indiquez le document ou le fichier "
                                   "à importer après le nom du fichier de sortie."));
    TReadableFile input;
    if (QString why; !input.Open(inputFile, why))
        return fail(QStringLiteral("Impossible d'ouvrir le fichier %1").arg(inputFile));

    TIsisGraph page;
    page.SetConversion(true);
    const QString error = ConvertFile(page, inputFile, outFile);
    return error.isEmpty() ? 0 : fail(error);
}

QString ConvertFile(TIsisGraph &page, const QString &inputFile, const QString &outFile)
{
    if (const QString why = ReadInput(page, inputFile); !why.isEmpty())
        return QStringLiteral("%1 : %2").arg(inputFile, why);
    return WritePage(page, outFile, {inputFile});
}

int HeadlessCapture(const QString &outFile, const QString &port)
{
    if (outFile.isEmpty())
        return fail(QStringLiteral("Aucun fichier de sortie : indiquez-le avec --export."));
    TTDS link;
    link.SetPort(port);
    const bool read = link.Connect() && link.Transfer();
    link.ClosePort();
    if (!read)
        return fail(link.Failure.Text);
    ConsolePrompts console;
    Prompts *previous = SetPrompts(&console);
    TIsisGraph page;
    page.SetConversion(true);
    const bool built = ImportFromLink(page, link);
    SetPrompts(previous);
    if (!built)
        return 1;
    const QString error = WritePage(page, outFile);
    return error.isEmpty() ? 0 : fail(error);
}
