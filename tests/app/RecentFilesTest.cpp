#include "app/RecentFiles.h"
#include <gtest/gtest.h>

namespace
{

TEST(RecentFiles, MostRecentFirstEachOnceAtMostEightAndGoneFilesTakenOut)
{
    const QStringList eight = {"1", "2", "3", "4", "5", "6", "7", "8"};
    struct Case {
        QStringList list;
        QString added;
        QStringList expected;
    };
    const Case cases[] = {
        {{}, "a", {"a"}},
        {{"a", "b"}, "c", {"c", "a", "b"}},
        {{"a", "b", "c"}, "c", {"c", "a", "b"}}, // met again: moves up
        {{"a", "b", "c"}, "a", {"a", "b", "c"}},
        {eight, "9", {"9", "1", "2", "3", "4", "5", "6", "7"}},
        {eight, "8", {"8", "1", "2", "3", "4", "5", "6", "7"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.added.toStdString());
        EXPECT_EQ(WithRecentFile(c.list, c.added), c.expected);
    }

    QStringList list = {"a", "gone1", "b", "gone2", "c"};
    const QStringList gone =
        TakeMissingFiles(list, [](const QString &path) { return !path.startsWith("gone"); });
    EXPECT_EQ(gone, QStringList({"gone1", "gone2"}));
    EXPECT_EQ(list, QStringList({"a", "b", "c"}));
}

} // namespace
