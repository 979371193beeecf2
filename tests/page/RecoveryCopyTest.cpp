// The page part of a recovery copy names the page's document: the name reads
// back as it was, whatever its bytes, so that saving the recovered page
// writes the same file.
#include "page/RecoveryCopy.h"
#include "data/SystemFileName.h"
#include "page/TIsisGraph.h"
#include <gtest/gtest.h>

namespace
{

TEST(RecoveryCopy, TheDocumentNameReadsBackWhateverItsBytes)
{
    TIsisGraph page;
    const QString names[] = {
        QString(), QStringLiteral("/tmp/un.scv"), QStringLiteral("/tmp/été 10 kΩ.scv"),
        FileNameFromBytes("/tmp/caf\xE9.scv"), // Windows-1252, from an old archive
    };
    for (const QString &name : names) {
        const TRecoveryInfo info{QStringLiteral("1-2"), name, QDateTime::currentDateTimeUtc()};
        const QByteArray part = RecoveryPageBytes(page, info);
        QString why;
        const std::optional<TRecoveryInfo> back =
            ReadRecoveryInfo(std::string_view(part.constData(), std::size_t(part.size())), &why);
        ASSERT_TRUE(back) << why.toStdString();
        EXPECT_EQ(back->DocumentName, name);
    }
}

} // namespace
