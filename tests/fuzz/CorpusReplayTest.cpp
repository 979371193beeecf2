// The committed inputs of every fuzz target, replayed as ordinary tests.
#include "fuzz/FuzzTargets.h"
#include "TestPaths.h"
#include "support/SampleFiles.h"
#include <QDir>
#include <gtest/gtest.h>

namespace
{

struct Target {
    const char *name;
    std::string (*run)(std::string_view);
};

class CorpusReplay : public testing::TestWithParam<Target>
{
};

TEST_P(CorpusReplay, EveryInputKeepsTheTargetsProperty)
{
    const QDir corpus(QStringLiteral(SCOLIVET_SOURCE_DIR "/tests/fuzz/corpus/") +
                      QString::fromLatin1(GetParam().name));
    const QStringList files = corpus.entryList(QDir::Files);
    EXPECT_FALSE(files.isEmpty()) << corpus.path().toStdString();
    for (const QString &file : files) {
        const QByteArray bytes = ReadSampleFile(corpus.filePath(file));
        EXPECT_EQ(GetParam().run(std::string_view(bytes.constData(), std::size_t(bytes.size()))),
                  "")
            << file.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay,
                         testing::Values(Target{"IsisReaderFuzz", IsisReaderFuzz},
                                         Target{"EngNumbersFuzz", EngNumbersFuzz},
                                         Target{"DocumentReaderFuzz", DocumentReaderFuzz},
                                         Target{"ReplyParserFuzz", ReplyParserFuzz},
                                         Target{"SpiceRawFuzz", SpiceRawFuzz},
                                         Target{"TableReaderFuzz", TableReaderFuzz},
                                         Target{"ScopeCsvReaderFuzz", ScopeCsvReaderFuzz}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
