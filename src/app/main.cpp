// Entry point of the editor.
#include "app/UIsis2Graph.h"
#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scolivet"));
    QApplication::setApplicationVersion(QStringLiteral(SCOLIVET_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Éditeur de graphes de mesure annotés."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("fichier"), QStringLiteral("Document à ouvrir."));
    parser.process(app);

    TForm1 window;
    window.show();
    return app.exec();
}
