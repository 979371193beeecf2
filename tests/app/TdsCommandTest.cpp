// "Importer depuis TDS": the caption, AddGraph and the view refresh.
#include "app/TdsCommand.h"
#include "page/TIsisGraph.h"
#include "support/ScriptedPrompts.h"
#include "support/SimulatedScope.h"
#include <QAction>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

TEST(TdsCommand, OnlyATransferThatBuildsAPageChangesTheWindowButTheViewIsAlwaysRefreshed)
{
    for (const bool cancel : {true, false}) {
        auto simulator = StartSimulator({});
        ScriptedPrompts prompts;
        QWidget window;
        window.setWindowTitle(QStringLiteral("Scolivet :"));
        TIsisGraph page;
        page.PortName = PortOf(*simulator);
        QAction addGraph;
        addGraph.setEnabled(false);
        int refreshes = 0;
        prompts.Dialogs.push_back([cancel](QDialog &d) {
            if (cancel)
                return int(QDialog::Rejected);
            d.findChild<QPushButton *>(QStringLiteral("BTransfert"))->click();
            return d.result();
        });
        EXPECT_EQ(TdsCommand(window, page, addGraph, [&] { ++refreshes; }), !cancel);
        EXPECT_EQ(window.windowTitle(), cancel ? QStringLiteral("Scolivet :") : QStringLiteral("Scolivet : [*]"));
        EXPECT_EQ(addGraph.isEnabled(), !cancel);
        EXPECT_EQ(refreshes, 1);
    }
}
