#include "app/HeadlessExport.h"

#include "page/TIsisGraph.h"
#include "render/PageExport.h"
#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace
{

int fail(const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return 1;
}

} // namespace

bool WantsHeadlessExport(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--export") == 0 || std::strncmp(argv[i], "--export=", 9) == 0)
            return true;
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
        return fail(QStringLiteral("Aucun fichier à exporter : indiquez le graphe Isis (.dat) "
                                   "après le nom du fichier de sortie."));
    const QFileInfo input(inputFile);
    if (!input.isFile() || !input.isReadable())
        return fail(QStringLiteral("Impossible d'ouvrir le fichier %1").arg(inputFile));

    TIsisGraph page;
    if (!page.ImportIsis(inputFile))
        return fail(QStringLiteral("%1 : Format de fichier non reconnu").arg(inputFile));
    const QString error = ExportPagePicture(page.Metafile(), outFile, page.BackColor, {inputFile});
    if (!error.isEmpty())
        return fail(error);
    return 0;
}
