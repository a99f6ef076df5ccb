#include "platform/system/SettingsStore.h"
#include "support/ScratchConfig.h"
#include "support/StoreTesting.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using platform::TSettingsStore;
using testing_support::failureOf;
using testing_support::openGameKey;
using testing_support::ScratchConfig;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(SettingsStore, LevelsBecomeFoldersAndAFileOfDecimalValues) {
    ScratchConfig config;
    auto store = platform::createSettingsStore();
    store->OpenKey(QStringLiteral("Software"), true);
    EXPECT_FALSE(store->KeyExists(QStringLiteral("Norvane")));
    store->OpenKey(QStringLiteral("Norvane"), true);
    EXPECT_FALSE(store->KeyExists(QStringLiteral("Brainlock")));
    store->OpenKey(QStringLiteral("Brainlock"), true);
    EXPECT_TRUE(QFileInfo(config.file()).isFile()); // the key exists once it is opened
    EXPECT_FALSE(store->ValueExists(QStringLiteral("Left")));

    store->WriteInteger(QStringLiteral("Left"), -7);
    store->WriteBool(QStringLiteral("Music"), true);
    // Written at once: the file holds the values before the store goes.
    const QByteArray text = readFile(config.file());
    EXPECT_TRUE(text.contains("[General]"));
    EXPECT_TRUE(text.contains("Left=-7"));
    EXPECT_TRUE(text.contains("Music=1"));
    EXPECT_EQ(store->ReadInteger(QStringLiteral("Left")), -7);

    writeFile(config.file(), "[General]\nSound=5\nLogs=0\n");
    auto again = openGameKey();
    EXPECT_TRUE(again->ReadBool(QStringLiteral("Sound"))); // any non-zero number is true
    EXPECT_FALSE(again->ReadBool(QStringLiteral("Logs")));
}

TEST(SettingsStore, FailuresNameTheLevelOrTheValue) {
    {
        ScratchConfig config;
        writeFile(config.vendorFolder(), "a plain file where a folder belongs");
        auto store = platform::createSettingsStore();
        store->OpenKey(QStringLiteral("Software"), true);
        EXPECT_EQ(failureOf([&] { store->OpenKey(QStringLiteral("Norvane"), true); }),
                  "Failed to create key Norvane");
    }
    {
        ScratchConfig config;
        QDir().mkpath(config.file()); // a folder where the file belongs
        auto store = platform::createSettingsStore();
        store->OpenKey(QStringLiteral("Software"), true);
        store->OpenKey(QStringLiteral("Norvane"), true);
        EXPECT_EQ(failureOf([&] { store->OpenKey(QStringLiteral("Brainlock"), true); }),
                  "Failed to create key Brainlock");
    }
    ScratchConfig config;
    writeFile(config.file(), "[General]\nLeft=10\nDigit=four\nTop=1,2\nBig=2147483648\n");
    auto store = openGameKey();
    EXPECT_EQ(failureOf([&] { store->ReadInteger(QStringLiteral("Digit")); }),
              "Invalid data type for 'Digit'");
    EXPECT_EQ(failureOf([&] { store->ReadInteger(QStringLiteral("Top")); }),
              "Invalid data type for 'Top'");
    EXPECT_EQ(failureOf([&] { store->ReadInteger(QStringLiteral("Big")); }),
              "Invalid data type for 'Big'");
    EXPECT_EQ(failureOf([&] { store->ReadInteger(QStringLiteral("Sound")); }),
              "Failed to get data for 'Sound'");
    EXPECT_EQ(store->ReadInteger(QStringLiteral("Left")), 10);

    // The file replaced by a folder behind the store's back: the write cannot be stored.
    QFile::remove(config.file());
    QDir().mkpath(config.file());
    EXPECT_EQ(failureOf([&] { store->WriteInteger(QStringLiteral("Left"), 3); }),
              "Failed to set data for 'Left'");
}

TEST(SettingsStore, AnUpdateReachesTheFileWholeOnCommitOrNotAtAll) {
    ScratchConfig config;
    auto store = openGameKey();
    store->WriteInteger(QStringLiteral("Left"), 1);
    const QByteArray before = readFile(config.file());
    {
        platform::TSettingsUpdate update(*store);
        store->WriteInteger(QStringLiteral("Left"), 2);
        store->WriteInteger(QStringLiteral("Top"), 3);
        EXPECT_EQ(readFile(config.file()), before); // nothing before the commit
        update.Commit();
    }
    EXPECT_EQ(readFile(config.file()), QByteArray("[General]\nLeft=2\nTop=3\n"));

    // A failed commit names the update's first value.
    QFile::remove(config.file());
    QDir().mkpath(config.file());
    platform::TSettingsUpdate update(*store);
    store->WriteInteger(QStringLiteral("Digit"), 5);
    store->WriteInteger(QStringLiteral("Left"), 4);
    EXPECT_EQ(failureOf([&] { update.Commit(); }), "Failed to set data for 'Digit'");
}

// Lock files a killed save left behind: one naming a process that is gone, and an empty one
// (killed before it was filled in). Neither holds the next save up, and both go.
TEST(SettingsStore, LocksLeftByAKilledSaveAreClearedBeforeTheNextOne) {
    ScratchConfig config;
    auto store = openGameKey();
    const QString deadOwner = config.file() + QStringLiteral(".lock");
    const QString empty = config.file() + QStringLiteral(".lock.rmlock.rmlock");
    writeFile(deadOwner, "2147483646\nbrainlock\n\n");
    writeFile(empty, "");
    for (const QString& lock : {deadOwner, empty}) {
        QFile file(lock);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-5),
                         QFileDevice::FileModificationTime);
    }
    store->WriteInteger(QStringLiteral("Left"), 9);
    EXPECT_EQ(store->ReadInteger(QStringLiteral("Left")), 9);
    EXPECT_FALSE(QFile::exists(deadOwner));
    EXPECT_FALSE(QFile::exists(empty));
}

// Damaged: bytes that are not text, and text holding a serialised value whose stated size
// (here 4 GB) Qt's reader would try to allocate.
class DamagedFile : public ::testing::TestWithParam<QByteArray> {};
INSTANTIATE_TEST_SUITE_P(SettingsStore, DamagedFile,
                         ::testing::Values(QByteArray(), QByteArray("[General]\nLeft=4\nTop="
                                                                    "@Variant(\\0\\0\\0\\n"
                                                                    "\\xff\\xff\\xff\\xf0)\n")),
                         [](const auto& info) {
                             return info.index == 0 ? "NotText" : "SerialisedValue";
                         });

TEST_P(DamagedFile, IsReportedAndKeptAsideOnTheFirstWrite) {
    ScratchConfig config;
    QByteArray garbage = GetParam();
    for (int i = 0; garbage.isEmpty() && i < 256; ++i)
        garbage.append(static_cast<char>((i * 73 + 11) % 256));
    writeFile(config.file(), garbage);
    auto store = openGameKey();
    EXPECT_TRUE(store->ValueExists(QStringLiteral("Left")));
    EXPECT_EQ(failureOf([&] { store->ReadInteger(QStringLiteral("Left")); }),
              "Invalid data type for 'Left'");
    EXPECT_EQ(readFile(config.file()), garbage); // reading changes nothing

    store->WriteInteger(QStringLiteral("Left"), 300);
    EXPECT_EQ(readFile(config.file() + QStringLiteral(".damaged")), garbage);
    EXPECT_EQ(store->ReadInteger(QStringLiteral("Left")), 300);
    EXPECT_EQ(readFile(config.file()), QByteArray("[General]\nLeft=300\n"));
}

TEST(SettingsStore, StoredIntegersAreDecimal32BitNumbers) {
    std::int32_t value = 0;
    EXPECT_TRUE(platform::parseStoredInteger(QStringLiteral("2147483647"), value));
    EXPECT_EQ(value, 2147483647);
    EXPECT_TRUE(platform::parseStoredInteger(QStringLiteral("-2147483648"), value));
    EXPECT_EQ(value, -2147483647 - 1);
    for (const char* bad : {"2147483648", "", "-", "+1", " 1", "1.0", "0x10", "12a"})
        EXPECT_FALSE(platform::parseStoredInteger(QString::fromLatin1(bad), value)) << bad;
}
