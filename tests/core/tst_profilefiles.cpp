// Profiles are read from and saved over regular files only, and a save
// keeps what the replaced file was: its mode, and a link stays a link.

#include "core/profiles/Profile.h"
#include "tests/support/FileNodes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace zomar;
using zomar::test::makeNode;

class TestProfileFiles : public QObject
{
    Q_OBJECT
private slots:
    void onlyRegularFiles_data();
    void onlyRegularFiles();
    void saveKeepsTheFilesMode_data();
    void saveKeepsTheFilesMode();
    void saveFollowsALink();
};

namespace {

mode_t modeOf(const QString &path)
{
    struct stat st {
    };
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st.st_mode;
}

} // namespace

// Reading and saving take regular files only: a FIFO would hang a read, and
// the rename of a save would put the profile in the place of a device.
void TestProfileFiles::onlyRegularFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("throughLink");
    QTest::addColumn<QString>("says");
    QTest::newRow("FIFO") << "FIFO" << false << "is a FIFO (named pipe)";
    QTest::newRow("link to a FIFO") << "FIFO" << true << "is a FIFO (named pipe)";
    QTest::newRow("folder") << "folder" << false << "is a folder";
    QTest::newRow("socket") << "socket" << false << "is a socket";
    QTest::newRow("character device") << "device" << false << "is a character device";
    QTest::newRow("link to a character device") << "device" << true << "is a character device";
}

void TestProfileFiles::onlyRegularFiles()
{
    QFETCH(QString, kind);
    QFETCH(bool, throughLink);
    QFETCH(QString, says);
    QTemporaryDir dir;
    const QString node = dir.filePath(QStringLiteral("node"));
    const QString why = makeNode(kind, node);
    if (!why.isEmpty())
        QSKIP(qPrintable(why));
    const QString path = throughLink ? dir.filePath(QStringLiteral("link.json")) : node;
    if (throughLink)
        QVERIFY(QFile::link(node, path));
    const mode_t before = modeOf(node);

    const ProfileReading read = readProfile(path);
    QVERIFY(!read.profile);
    QCOMPARE(read.error, QStringLiteral("%1: %2, not a profile file").arg(path, says));

    const QString saved =
        saveProfile(Profile::fromBlock(ConfigBlock::factoryDefaults(), Band::Mhz433), path);
    QCOMPARE(saved, QStringLiteral("%1: %2, not a file; nothing was saved").arg(path, says));
    QCOMPARE(modeOf(node), before);
    if (throughLink)
        QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(QDir(dir.path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                 .size(),
             throughLink ? 2 : 1);
}

void TestProfileFiles::saveKeepsTheFilesMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("needsRoot");
    QTest::newRow("0640") << 0640 << false;
    QTest::newRow("0604") << 0604 << false;
    QTest::newRow("read-only 0444 (root writes it)") << 0444 << true;
}

void TestProfileFiles::saveKeepsTheFilesMode()
{
    QFETCH(int, mode);
    QFETCH(bool, needsRoot);
    if (needsRoot && ::geteuid() != 0)
        QSKIP("only root may write over a read-only file");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("site.json"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("{}");
    }
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
    QCOMPARE(saveProfile(Profile::fromBlock(ConfigBlock::factoryDefaults(), Band::Mhz433), path),
             QString());
    QCOMPARE(int(modeOf(path) & 07777), mode);
    QVERIFY(readProfile(path).profile);
}

void TestProfileFiles::saveFollowsALink()
{
    // The link stays a link; the file it names gets the profile.
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("real.json"));
    const QString link = dir.filePath(QStringLiteral("current.json"));
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(target, link));
    QCOMPARE(saveProfile(Profile::fromBlock(ConfigBlock::factoryDefaults(), Band::Mhz868), link),
             QString());
    QVERIFY(QFileInfo(link).isSymLink());
    const ProfileReading back = readProfile(target);
    QVERIFY2(back.profile, qPrintable(back.error));
    QCOMPARE(back.profile->band, std::optional<Band>(Band::Mhz868));
}

QTEST_GUILESS_MAIN(TestProfileFiles)
#include "tst_profilefiles.moc"
