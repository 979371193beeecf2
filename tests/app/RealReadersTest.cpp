// An office suite opens both metafiles the program writes and draws their
// marks in the page's proportions.
#include "support/Processes.h"
#include "support/SampleFiles.h"
#include <QDir>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <gtest/gtest.h>

namespace
{

// Width over height of the box holding a picture's dark marks.
double InkAspect(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::min({qRed(p), qGreen(p), qBlue(p)}) < 128)
                box |= QRect(x, y, 1, 1);
        }
    return box.isEmpty() ? 0 : double(box.width()) / box.height();
}

} // namespace

TEST(RealReaders, OfficeSuiteDrawsBothMetafiles)
{
    QTemporaryDir dir;
    const QString input = WriteSampleFile(dir, QStringLiteral("rc.dat"), IsisExportText(3));
    QStringList pictures;
    for (const char *name : {"page.png", "page-emf.emf", "page-wmf.wmf"}) {
        pictures << dir.filePath(QString::fromLatin1(name));
        const ProcessRun run = RunProcess(ScolivetProgram(), {"--export", pictures.last(), input});
        ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    }
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    ASSERT_FALSE(office.isEmpty()) << "soffice is missing: run scripts/setup";
    const QString out = dir.filePath(QStringLiteral("converted"));
    const QString profile = QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString();
    const ProcessRun run = RunProcess(office,
                                      QStringList{"-env:UserInstallation=" + profile, "--headless",
                                                  "--convert-to", "png", "--outdir", out} +
                                          pictures.mid(1),
                                      100000);
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    const double page = InkAspect(QImage(pictures.first()));
    for (const char *name : {"page-emf.png", "page-wmf.png"}) {
        const QImage drawn(QDir(out).filePath(QString::fromLatin1(name)));
        ASSERT_FALSE(drawn.isNull()) << name << ": " << run.out.toStdString();
        EXPECT_NEAR(InkAspect(drawn), page, 0.02 * page) << name;
    }
}
