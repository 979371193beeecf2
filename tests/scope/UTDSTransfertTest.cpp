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

TEST(TTDSTransfertDlg, RemembersThePortIgnoringCaseOrKeepsItTyped)
{
    const QStringList ports{QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0")};
    const char *cases[][2] = {{"/DEV/TTYusb0", "1"}, {"/dev/pts/4", "-1"}};
    for (const auto &[remembered, index] : cases) {
        ScriptedPrompts scripted;
        TTDS link;
        link.SetPort(QString::fromLatin1(remembered));
        TTDSTransfertDlg dialog;
        scripted.Dialogs.push_back([&](QDialog &d) {
            const auto *combo = d.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
            EXPECT_EQ(combo->currentIndex(), QByteArray(index).toInt());
            EXPECT_EQ(combo->currentText().toLower(), QString::fromLatin1(remembered).toLower());
            return int(QDialog::Rejected);
        });
        EXPECT_FALSE(dialog.Execute(link, ports));
        EXPECT_EQ(link.GetPort(), QString::fromLatin1(remembered));
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
