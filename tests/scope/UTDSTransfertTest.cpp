// The transfer dialog driven through the scripted prompts, against the
// simulated instrument on a pseudo-terminal.
#include "scope/CTds.h"
#include "scope/UTDSTransfert.h"
#include "support/ScriptedPrompts.h"
#include "support/SimulatedScope.h"
#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace
{

// Presses the transfer button and answers with the dialog's result.
int PressTransfer(QDialog &dialog)
{
    dialog.findChild<QPushButton *>(QStringLiteral("BTransfert"))->click();
    return dialog.result();
}

} // namespace

TEST(TTDSTransfertDlg, ProposesTheRememberedPortElseTheFirstUsbAdapterElseTheFirstPort)
{
    const QList<TPortInfo> builtIn{{"/dev/ttyS0", false}, {"/dev/ttyS1", false}};
    const QList<TPortInfo> mixed{{"/dev/ttyS0", false}, {"/dev/ttyACM0", true},
                                 {"/dev/ttyUSB0", true}};
    const struct {
        const QList<TPortInfo> *ports;
        const char *remembered;
        int proposed;
    } cases[] = {
        {&mixed, "", 1},           {&builtIn, "", 0},
        {&mixed, "/DEV/TTYusb0", 2}, {&mixed, "/dev/pts/4", -1},
        {&builtIn, "COM1", -1},     {nullptr, "", -1},
    };
    const QList<TPortInfo> none;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.remembered);
        EXPECT_EQ(ProposedPort(c.ports ? *c.ports : none, QString::fromLatin1(c.remembered)),
                  c.proposed);
    }
}

TEST(TTDSTransfertDlg, TheLinkTakesTheProposedPortOrKeepsItsOwnTyped)
{
    const QList<TPortInfo> ports{{"/dev/ttyS0", false}, {"/dev/ttyUSB0", true}};
    const char *cases[][2] = {
        {"", "/dev/ttyUSB0"}, {"/DEV/TTYusb0", "/DEV/TTYusb0"}, {"/dev/pts/4", "/dev/pts/4"}};
    for (const auto &[remembered, taken] : cases) {
        ScriptedPrompts scripted;
        TTDS link;
        link.SetPort(QString::fromLatin1(remembered));
        TTDSTransfertDlg dialog;
        scripted.Dialogs.push_back([&](QDialog &d) {
            const auto *combo = d.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
            EXPECT_EQ(combo->currentText().toLower(), QString::fromLatin1(taken).toLower());
            EXPECT_EQ(d.focusWidget(), combo);
            return int(QDialog::Rejected);
        });
        EXPECT_FALSE(dialog.Execute(link, ports));
        EXPECT_EQ(link.GetPort(), QString::fromLatin1(taken));
    }
}

TEST(TTDSTransfertDlg, CancelDuringTheTransferClosesWithoutAMessage)
{
    TdsSimOptions o;
    o.Fault = TdsFault::HangOnCurve;
    auto simulator = StartSimulator(o);
    ScriptedPrompts scripted;
    TTDS link(nullptr, {2000, 60000});
    link.SetPort(PortOf(*simulator));
    TTDSTransfertDlg dialog;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (CommandsOf(*simulator).contains(QStringLiteral("CURV?")))
            dialog.findChild<QPushButton *>(QStringLiteral("CancelBtn"))->click();
    });
    poll.start(5);
    scripted.Dialogs.push_back(PressTransfer);
    EXPECT_FALSE(dialog.Execute(link, {}));
    EXPECT_TRUE(link.Cancelled);
    EXPECT_TRUE(scripted.Messages.empty());
}

TEST(TTDSTransfertDlg, ALostLineIsToldInAnErrorBoxAtOnce)
{
    TdsSimOptions o;
    o.Fault = TdsFault::Unplugged;
    auto simulator = StartSimulator(o);
    ScriptedPrompts scripted;
    TTDS link(nullptr, {5000, 30000});
    link.SetPort(PortOf(*simulator));
    TTDSTransfertDlg dialog;
    scripted.Dialogs.push_back(PressTransfer);
    EXPECT_FALSE(dialog.Execute(link, {}));
    ASSERT_EQ(scripted.Messages.size(), 1U);
    EXPECT_EQ(scripted.Messages[0].icon, Prompts::Icon::Error);
    EXPECT_EQ(scripted.Messages[0].text,
              QStringLiteral("La liaison série %1 a été perdue : l'oscilloscope est débranché "
                             "ou éteint.")
                  .arg(PortOf(*simulator)));
    EXPECT_FALSE(link.Cancelled);
}
