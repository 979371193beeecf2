// Entry point of the editor.
#include "app/EditorSession.h"
#include "app/HeadlessExport.h"
#include "app/ToolkitSetup.h"
#include "data/SystemFileName.h"
#include <QApplication>
#include <QCommandLineParser>
#include <cstring>

namespace
{

void DescribeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Éditeur de graphes de mesure annotés."));
    // Qt's own help and version options describe themselves in English.
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Affiche cette aide et quitte.")));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                        QStringLiteral("Affiche la version du programme et quitte.")));
    parser.addPositionalArgument(QStringLiteral("fichier"),
                                 QStringLiteral("Document à ouvrir ou fichier à importer (avec "
                                                "--export : celui à exporter)."));
    parser.addOption(QCommandLineOption(
        QStringLiteral("export"),
        QStringLiteral("Exporte la page du document ou du fichier importé donné vers "
                       "SORTIE (.svg, .png, .emf, .wmf, .pdf ou .scv), sans fenêtre ni affichage, "
                       "puis quitte."),
        QStringLiteral("SORTIE")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("capture"),
        QStringLiteral("Récupère les oscillogrammes de l'oscilloscope relié au port série PORT "
                       "et exporte leur page vers la SORTIE de --export."),
        QStringLiteral("PORT")));
}

// --help and --version only print: they must work without any display.
bool OnlyPrints(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"-h", "--help", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

// Prints the help or the version and quits, when asked for.
void PrintHelpOrVersion(QCommandLineParser &parser)
{
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Scolivet"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SCOLIVET_VERSION));
    QCommandLineParser parser;
    DescribeCommandLine(parser);

    PrepareRuntimeDir();
    if (OnlyPrints(argc, argv)) {
        QCoreApplication app(argc, argv);
        InstallFrenchToolkit(app);
        parser.process(app);
        PrintHelpOrVersion(parser);
        return 0;
    }

    if (WantsHeadlessExport(argc, argv))
        PrepareHeadlessPlatform();
    QApplication app(argc, argv);
    InstallFrenchToolkit(app);
    // File names as given, whatever their bytes.
    parser.process(CommandLineArguments(argc, argv));
    if (parser.isSet(QStringLiteral("capture")))
        return HeadlessCapture(parser.value(QStringLiteral("export")),
                               parser.value(QStringLiteral("capture")));
    if (parser.isSet(QStringLiteral("export")))
        return HeadlessExport(parser.value(QStringLiteral("export")),
                              parser.positionalArguments().value(0));

    return RunEditor(app, parser.positionalArguments());
}
