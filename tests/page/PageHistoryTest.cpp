#include "page/PageHistory.h"
#include <gtest/gtest.h>

namespace
{

QByteArray State(int i)
{
    return QByteArray::number(i);
}

TEST(PageHistory, ANewChangeAfterAnUndoDropsTheStepsToRedo)
{
    TPageHistory h;
    h.Start(State(0));
    EXPECT_FALSE(h.Record(QStringLiteral("rien"), State(0)));
    h.Record(QStringLiteral("un"), State(1));
    h.Record(QStringLiteral("deux"), State(2));
    h.Undo();
    ASSERT_EQ(h.RedoName(), QStringLiteral("deux"));
    h.Record(QStringLiteral("trois"), State(3));
    EXPECT_FALSE(h.CanRedo());
    EXPECT_EQ(h.UndoName(), QStringLiteral("trois"));
    EXPECT_EQ(h.UndoState(), State(1));
}

TEST(PageHistory, TheStepBeyondTheHundredthForgetsTheOldest)
{
    TPageHistory h;
    h.Start(State(0));
    for (int i = 1; i <= TPageHistory::MaxSteps + 1; ++i)
        h.Record(QString::number(i), State(i));
    int undone = 0;
    for (; h.CanUndo(); ++undone)
        h.Undo();
    EXPECT_EQ(undone, TPageHistory::MaxSteps);
    EXPECT_EQ(h.RedoName(), QStringLiteral("2"));
    EXPECT_TRUE(h.Modified()); // the saved state was forgotten with it
}

} // namespace
