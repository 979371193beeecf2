// The recovery copy beside the real window: written a while after a change,
// its samples once per import, removed on save, on undo to the saved page and
// on close; at the next start, offered and recovered whole, left alone while
// its instance runs, set aside when it cannot be read.
#include "EditorFixture.h"
#include "app/FileCommands.h"
#include "app/Recovery.h"
#include "app/RecoveryOffer.h"
#include "data/TData.h"
#include "data/TDatas.h"
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <functional>
#include <sys/stat.h>

namespace
{

class RecoveryTest : public EditorFixture
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        recovery = Make(*view);
        ASSERT_EQ(recovery->Start(), QString());
    }

    std::unique_ptr<TRecovery> Make(TIsisGraph &page)
    {
        return std::make_unique<TRecovery>(page, Folder(), TRecoveryDelays{},
                                           [this] { return Time(); });
    }
    QDateTime Time() const { return QDateTime::fromMSecsSinceEpoch(now, Qt::UTC); }
    QString Folder() const { return dir.filePath(QStringLiteral("recovery")); }
    QStringList Files(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }
    // A change of the page, different each time.
    void Edit()
    {
        view->BackColor = view->BackColor == clRed ? clLime : clRed;
        view->MarkModified(QStringLiteral("modifier la page"));
    }
    void Write()
    {
        recovery->WriteNow();
        recovery->Wait();
    }
    // Which file a path leads to: a file written again is a new file.
    static ino_t Inode(const QString &path)
    {
        struct stat info {};
        return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
    }
    // The first instance ends without closing; a second one starts with its
    // own window and its own copy.
    struct Restart {
        explicit Restart(RecoveryTest &test) : recovery(test.Make(*window.IsisGraph()))
        {
            window.show();
        }
        bool Offer() { return StartRecovery(window, *recovery); }
        TIsisGraph &Page() { return *window.IsisGraph(); }

        TForm1 window;
        std::unique_ptr<TRecovery> recovery;
    };
    std::unique_ptr<Restart> EndAndRestart()
    {
        recovery.reset();
        return std::make_unique<Restart>(*this);
    }

    qint64 now = 1700000000000;
    std::unique_ptr<TRecovery> recovery;
};

TEST(RecoverySchedule, QuietAfterTheLastChangeButNeverLongerThanTheLongestWait)
{
    const TRecoveryDelays delays{3000, 30000};
    const struct {
        qint64 now, first, last, delay;
    } rows[] = {
        {1000, 1000, 1000, 3000},    // one change
        {5000, 1000, 5000, 3000},    // a later change puts the copy off
        {29000, 1000, 29000, 2000},  // changes every second: due at 30 s all the same
        {31000, 1000, 30500, 0},     // overdue
        {1000, 5000, 5000, 3000},    // clock set back: no longer than the quiet time
    };
    for (const auto &r : rows)
        EXPECT_EQ(RecoveryWriteDelay(r.now, r.first, r.last, delays), r.delay) << r.now;
}

TEST_F(RecoveryTest, CopyFollowsTheUnsavedChangesAndItsSamplesTheImport)
{
    const QString pagePart = recovery->Folder().PagePath();
    const QString seriesPart = recovery->Folder().SeriesPath();
    EXPECT_FALSE(recovery->DueAt());
    Edit();
    EXPECT_EQ(recovery->DueAt(), now + 3000);
    now += 2000;
    Edit();
    EXPECT_EQ(recovery->DueAt(), now + 3000);
    Write();
    ASSERT_TRUE(QFile::exists(pagePart) && QFile::exists(seriesPart));
    const ino_t samples = Inode(seriesPart);
    const ino_t firstPage = Inode(pagePart);

    Edit();
    Write();
    EXPECT_NE(Inode(pagePart), firstPage);
    EXPECT_EQ(Inode(seriesPart), samples);

    scripted.FileNames.push_back(dir.filePath(QStringLiteral("essai.scv")));
    Action("Save")->trigger();
    recovery->Wait();
    EXPECT_FALSE(QFile::exists(pagePart));
    EXPECT_FALSE(recovery->DueAt());

    Edit();
    Write();
    EXPECT_TRUE(QFile::exists(pagePart));
    Action("Annuler")->trigger();
    recovery->Wait();
    EXPECT_FALSE(QFile::exists(pagePart));
    EXPECT_EQ(Inode(seriesPart), samples);

    scripted.FileNames.push_back(dir.filePath(QStringLiteral("rampe.dat")));
    Action("Isis")->trigger();
    Edit();
    Write();
    EXPECT_NE(Inode(seriesPart), samples);

    recovery->Close();
    EXPECT_EQ(Files(Folder()), QStringList());
}

TEST_F(RecoveryTest, RecoveredPageIsThePageBeforeTheEndUnderItsName)
{
    for (const bool named : {false, true}) {
        if (named) {
            ASSERT_EQ(view->WriteDocument(dir.filePath(QStringLiteral("essai.scv"))), QString());
        }
        view->Marge = 0.02;
        view->Datas->Items[1]->Name = QStringLiteral("U(R1) en µV");
        AddLine({600, 600}, {1400, 700});
        Edit();
        Write();
        const QByteArray before = view->SaveToBytes();
        ASSERT_TRUE(before.contains("\r\n[Scolivet]\r\nMarge=0,02\r\n"));

        std::unique_ptr<Restart> next = EndAndRestart();
        scripted.Answers.push_back(QMessageBox::Yes);
        EXPECT_TRUE(next->Offer());
        const QDateTime local = Time().toLocalTime();
        EXPECT_EQ(scripted.Messages.back().text,
                  QStringLiteral("Récupérer le travail non enregistré ?\n\n%1, copie du %2 à %3.")
                      .arg(named ? QStringLiteral("essai.scv") : QStringLiteral("page importée"),
                           local.toString(QStringLiteral("dd/MM/yyyy")),
                           local.toString(QStringLiteral("HH:mm:ss"))));
        EXPECT_EQ(next->Page().SaveToBytes(), before);
        EXPECT_EQ(next->Page().Marge, 0.02);
        EXPECT_EQ(next->Page().FileName, view->FileName);
        EXPECT_TRUE(next->Page().Modified());
        EXPECT_EQ(next->window.windowTitle(), named ? DocumentCaption(view->FileName)
                                                    : ImportCaption());
        // The copy is now the second instance's, and goes when it closes.
        EXPECT_EQ(Files(Folder()).size(), 3);
        EXPECT_TRUE(QFile::exists(next->recovery->Folder().PagePath()));
        next->recovery->Close();
        EXPECT_EQ(Files(Folder()), QStringList());

        recovery = Make(*view);
        ASSERT_EQ(recovery->Start(), QString());
    }
}

TEST_F(RecoveryTest, CopyOfARunningInstanceIsLeftAloneAndNonRemovesIt)
{
    Edit();
    Write();
    const QStringList copy = Files(Folder());
    {
        Restart other(*this);
        EXPECT_FALSE(other.Offer());
        other.recovery->Close();
    }
    EXPECT_TRUE(scripted.Messages.empty());
    EXPECT_EQ(Files(Folder()), copy);

    std::unique_ptr<Restart> next = EndAndRestart();
    scripted.Answers.push_back(QMessageBox::No);
    EXPECT_FALSE(next->Offer());
    EXPECT_EQ(scripted.Messages.size(), 1u);
    EXPECT_EQ(next->Page().GraphCount(), 0);
    EXPECT_FALSE(next->Page().Modified());
    next->recovery->Close();
    EXPECT_EQ(Files(Folder()), QStringList());
}

TEST_F(RecoveryTest, CopiesThatCannotBeWrittenAreToldInTheStatusBar)
{
    Restart next(*this);
    ASSERT_FALSE(next.Offer());
    // Where the samples part goes stands a folder.
    ASSERT_TRUE(QDir().mkpath(next.recovery->Folder().SeriesPath()));
    next.Page().BackColor = clRed;
    next.Page().MarkModified(QStringLiteral("modifier la page"));
    next.recovery->WriteNow();
    next.recovery->Wait();
    QApplication::processEvents();
    const QString told = next.window.statusBar()->currentMessage();
    EXPECT_TRUE(told.startsWith(QStringLiteral("Copie de récupération impossible : ")) &&
                told.contains(QStringLiteral("dossier")))
        << told.toStdString();
    EXPECT_FALSE(QFile::exists(next.recovery->Folder().PagePath()));

    // A folder of copies that cannot be made: editing goes on without copies.
    const QString file = WriteSampleFile(dir, QStringLiteral("fichier"), "x");
    TForm1 window;
    TRecovery none(*window.IsisGraph(), file + QStringLiteral("/recovery"));
    EXPECT_FALSE(StartRecovery(window, none));
    EXPECT_TRUE(window.statusBar()->currentMessage().startsWith(
        QStringLiteral("Pas de copie de récupération : ")));
}

TEST_F(RecoveryTest, TornCopiesAreSetAsideAndNeverOpenedHalf)
{
    const auto cut = [](const QString &path, qint64 keep) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.resize(keep < 0 ? file.size() + keep : keep));
    };
    const auto replace = [](const QString &path, const QByteArray &from, const QByteArray &to) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll().replace(from, to);
        file.close();
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    using Damage = std::function<void(const QString &page, const QString &series)>;
    const struct {
        const char *name;
        Damage damage;
        bool asked;
    } rows[] = {
        {"page part cut short", [&](const QString &p, const QString &) { cut(p, -20); }, false},
        {"page part empty", [&](const QString &p, const QString &) { cut(p, 0); }, false},
        {"series missing", [](const QString &, const QString &s) { QFile::remove(s); }, true},
        {"series cut short", [&](const QString &, const QString &s) { cut(s, 200); }, true},
        {"series of another copy", [&](const QString &, const QString &s) { cut(s, -3); }, true},
        {"series garbled",
         [&](const QString &, const QString &s) { replace(s, "Analog", "Bogus"); }, true},
    };
    for (const auto &row : rows) {
        Edit();
        Write();
        const QString pagePart = recovery->Folder().PagePath();
        row.damage(pagePart, recovery->Folder().SeriesPath());
        std::unique_ptr<Restart> next = EndAndRestart();
        scripted.Messages.clear();
        if (row.asked)
            scripted.Answers = {QMessageBox::Yes};
        EXPECT_FALSE(next->Offer()) << row.name;
        EXPECT_EQ(next->Page().GraphCount(), 0) << row.name;
        EXPECT_FALSE(next->Page().Modified()) << row.name;
        ASSERT_EQ(scripted.Messages.size(), row.asked ? 2u : 1u) << row.name;
        const QString told = scripted.Messages.back().text;
        const QString time = Time().toLocalTime().toString(QStringLiteral("dd/MM/yyyy"));
        EXPECT_TRUE(told.contains(QStringLiteral("est illisible")) &&
                    told.contains(QStringLiteral("mise de côté")) &&
                    (!row.asked || told.contains(time)))
            << row.name << ": " << told.toStdString();
        const QString aside = Folder() + QStringLiteral("/illisibles/");
        EXPECT_TRUE(QFile::exists(aside + QFileInfo(pagePart).fileName())) << row.name;
        next->recovery->Close();
        EXPECT_EQ(Files(Folder()), QStringList()) << row.name;
        QDir(aside).removeRecursively();

        recovery = Make(*view);
        ASSERT_EQ(recovery->Start(), QString());
    }
}

} // namespace
