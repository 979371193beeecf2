// Entry point of the editor.
#include "app/HeadlessExport.h"
#include "app/UIsis2Graph.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>

namespace
{

void DescribeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Éditeur de graphes de mesure annotés."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("fichier"),
                                 QStringLiteral("Document à ouvrir ou graphe Isis à importer (avec "
                                                "--export : celui à exporter)."));
    parser.addOption(QCommandLineOption(
        QStringLiteral("export"),
        QStringLiteral("Exporte la page du document ou du graphe Isis donné en fichier vers "
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
        for (const char *option : {"-h", "-?", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Scolivet"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SCOLIVET_VERSION));
    QCommandLineParser parser;
    DescribeCommandLine(parser);

    if (OnlyPrints(argc, argv)) {
        QCoreApplication app(argc, argv);
        parser.process(app); // prints and exits
        return 0;
    }

    if (WantsHeadlessExport(argc, argv))
        PrepareHeadlessPlatform();
    QApplication app(argc, argv);
    parser.process(app);
    if (parser.isSet(QStringLiteral("capture")))
        return HeadlessCapture(parser.value(QStringLiteral("export")),
                               parser.value(QStringLiteral("capture")));
    if (parser.isSet(QStringLiteral("export")))
        return HeadlessExport(parser.value(QStringLiteral("export")),
                              parser.positionalArguments().value(0));

    // Qt's own dialogs (files, colours, fonts) speak French too.
    QTranslator qtFrench;
    if (qtFrench.load(QStringLiteral("qtbase_fr"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtFrench);

    TForm1 window;
    window.show();
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty())
        window.OpenCommandLineFile(files.constFirst());
    return app.exec();
}
