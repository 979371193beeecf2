// File names as bytes: every name goes back to its own bytes, UTF-8 names
// read as their text, and the other ones are told apart from Qt's spelling.
#include "data/SystemFileName.h"
#include "support/SampleFiles.h"
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace
{

TEST(SystemFileName, EveryNameGoesBackToItsBytesAndUtf8NamesReadAsText)
{
    const std::pair<QByteArray, bool> names[] = {
        {"/tmp/plain.scv", true},
        {"/tmp/caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\x88.scv", true}, // UTF-8 of 2, 3, 4 bytes
        {"/tmp/caf\xE9.scv", false},                                  // Windows-1252
        {"/archive/\xB5V/\xC3", false},                               // cut sequence at the end
        {"/\xC3\x28 \xE2\x82 \xF8\x88\x80\x80\x80 \xFF\xFE", false},  // bad continuations, 5 bytes
        {"/\xC0\xAF \xE0\x80\xAF \xED\xA0\x80 \xED\xB3\xA9 \xF4\x90\x80\x80",
         false},                                      // overlong,
                                                      // surrogates, past U+10FFFF
        {"/\xF0\x9F\x93\x88\xE9\xED\xB2\x80", false}, // a pair, then the stray bytes of a surrogate
    };
    for (const auto &[bytes, utf8] : names) {
        const QString name = FileNameFromSystem(bytes);
        EXPECT_EQ(SystemFileName(name), bytes) << bytes.toHex().constData();
        EXPECT_EQ(QtSpellsFileName(name), utf8) << bytes.toHex().constData();
        EXPECT_TRUE(!utf8 || name == QString::fromUtf8(bytes));
        const QUrl url = QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"));
        EXPECT_EQ(LocalFileOfUrl(url), name) << bytes.toHex().constData();
    }
    EXPECT_EQ(LocalFileOfUrl(QUrl(QStringLiteral("https://example.org/caf%E9"))), QString());
}

TEST(SystemFileName, NamesKeptInTheSettingsReadBackAsTheyWere)
{
    const QStringList lists[] = {
        {},
        {QStringLiteral("/tmp/un.scv")},
        {FileNameFromSystem("/tmp/caf\xE9.scv")},
        {QStringLiteral("/tmp/é, \"deux\".scv"), FileNameFromSystem("/tmp/caf\xE9.scv"),
         QStringLiteral("@ByteArray(x)")},
    };
    // Each written to a file, read by another session (a copy: a process keeps
    // the files it wrote).
    QTemporaryDir dir;
    for (const QStringList &names : lists) {
        const QString written = dir.filePath(QStringLiteral("written.ini"));
        const QString copy = dir.filePath(QStringLiteral("copy.ini"));
        QFile::remove(written);
        QFile::remove(copy);
        QSettings(written, QSettings::IniFormat)
            .setValue(QStringLiteral("f"), FileNamesSetting(names));
        ASSERT_TRUE(QFile::copy(written, copy));
        EXPECT_EQ(
            FileNamesOfSetting(QSettings(copy, QSettings::IniFormat).value(QStringLiteral("f"))),
            names)
            << ReadSampleFile(copy).toStdString();
    }
    // Settings written before names were kept as bytes.
    EXPECT_EQ(FileNamesOfSetting(QStringList{QStringLiteral("/a.scv"), QStringLiteral("/b.scv")}),
              QStringList({QStringLiteral("/a.scv"), QStringLiteral("/b.scv")}));
}

} // namespace
