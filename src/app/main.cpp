// Entry point of the editor.
#include "app/UIsis2Graph.h"
#include <QApplication>
#include <QCommandLineParser>
#include <cstring>

namespace
{

void DescribeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Éditeur de graphes de mesure annotés."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("fichier"), QStringLiteral("Document à ouvrir."));
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

    QApplication app(argc, argv);
    parser.process(app);

    TForm1 window;
    window.show();
    return app.exec();
}
