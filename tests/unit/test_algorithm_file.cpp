#include "AlgorithmFile.h"
#include "AlgorithmText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }
QByteArray B(const char* bytes, size_t n) { return QByteArray(bytes, qsizetype(n)); }
#define BYTES(literal) B(literal, sizeof(literal) - 1)

QByteArray ReadAll(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// --- Reading ------------------------------------------------------------------

TEST(AlgorithmFileFormat, SplitsOnEveryLineEndAndStopsAtNul)
{
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const QString a = QStringLiteral("a"), b = QStringLiteral("b"), c = QStringLiteral("c");
    const std::vector<Case> cases = {
        {BYTES(""), {}},
        {BYTES("a\r\nb\r\n"), {a, b}},
        {BYTES("a\nb\n"), {a, b}},
        {BYTES("a\rb\r"), {a, b}},
        {BYTES("a\rb\nc\r\n"), {a, b, c}},
        {BYTES("a\r\nb"), {a, b}},                 // a last line without a line end
        {BYTES("a\r\n\r\n"), {a, QString()}},      // two line ends: one empty last line
        {BYTES("\r\n"), {QString()}},
        {BYTES("a\n\rb"), {a, QString(), b}},      // LF CR is two line ends
        {BYTES("a\r\r\nb"), {a, QString(), b}},
        {BYTES("  a \r\n\tb"), {QStringLiteral("  a "), QStringLiteral("\tb")}},  // as it stands
        {BYTES("a\r\nb\0c\r\nd"), {a, b}},          // nothing after the first NUL
        {BYTES("a\r\n\0"), {a}},
        {BYTES("\0a"), {}},
        {BYTES("\xcd\xc0\xd7\r\n\xca\xce\xcd"), {kBegin, kEnd}},
    };
    for (const Case& k : cases)
        EXPECT_EQ(ParseAlgorithmText(k.bytes), k.lines) << k.bytes.toHex().constData();
}

TEST(AlgorithmFileFormat, EveryByteButTheLineEndsSurvivesARoundTrip)
{
    QByteArray all;
    for (int v = 1; v <= 255; ++v)
        if (v != '\r' && v != '\n')
            all += char(v);
    const QStringList lines = ParseAlgorithmText(all);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].size(), 253);  // one character per byte
    EXPECT_EQ(lines[0].at(all.indexOf(char(0xC0))), QChar(0x0410));  // Cyrillic "А"
    EXPECT_EQ(FormatAlgorithmText(lines), all + "\r\n");
}

TEST(AlgorithmFileFormat, EveryLineEndsWithCrLf)
{
    const QStringList skeleton = NewAlgorithmLines(0, false);
    const QByteArray bytes = FormatAlgorithmText(skeleton);
    EXPECT_EQ(bytes, QByteArray("\xc0\xcb\xc3\xce\xd0\xc8\xd2\xcc \xcf\xd3\xd2\xdc_0\r\n"
                                "    \xc4\xe0\xed\xee: \xc8\xf1\xef\xee\xeb\xed\xe8\xf2\xe5\xeb\xfc"
                                " \xe2 \xf2.\xc0\r\n"
                                "    \xcd\xe0\xe4\xee: \xc2\xee\xf1\xef\xf0\xee\xe8\xe7\xe2\xe5\xf1"
                                "\xf2\xe8 \xee\xe1\xf0\xe0\xe7\xe5\xf6\r\n"
                                "\xcd\xc0\xd7\r\n\xca\xce\xcd\r\n"));
    EXPECT_EQ(ParseAlgorithmText(bytes), skeleton);
    EXPECT_EQ(FormatAlgorithmText({}), QByteArray());
    EXPECT_EQ(FormatAlgorithmText({QString(), QString()}), QByteArray("\r\n\r\n"));
    // A file read with other line ends is written back with CR LF.
    EXPECT_EQ(FormatAlgorithmText(ParseAlgorithmText("x\ny\rz")), QByteArray("x\r\ny\r\nz\r\n"));
}

// --- Files --------------------------------------------------------------------

class AlgorithmFileOnDisk : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(AlgorithmFileOnDisk, SaveReplacesAnExistingFileAndLoadsBack)
{
    const QString name = Path("NoName.txt");
    WriteAll(name, QByteArray(5000, 'x'));
    const QStringList lines = {Q("АЛГОРИТМ ПУТЬ_0"), Q("    ШАГ  "), QString(), Q("КОН")};
    EXPECT_EQ(SaveAlgorithmFile(name, lines), QString());
    EXPECT_EQ(ReadAll(name), FormatAlgorithmText(lines));
    QStringList loaded = {Q("старый текст")};
    EXPECT_EQ(LoadAlgorithmFile(name, loaded), QString());
    EXPECT_EQ(loaded, lines);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("NoName.txt")});

    WriteAll(name, QByteArray());
    EXPECT_EQ(LoadAlgorithmFile(name, loaded), QString());
    EXPECT_TRUE(loaded.isEmpty());
}

TEST_F(AlgorithmFileOnDisk, FailuresNameTheFileAndChangeNothing)
{
    const QString missingFolder = Path("no such folder/a.txt");
    EXPECT_EQ(SaveAlgorithmFile(missingFolder, {Q("ШАГ")}),
              QStringLiteral("Cannot create file %1").arg(missingFolder));
    EXPECT_FALSE(QFile::exists(missingFolder));

    QStringList lines = {Q("ШАГ")};
    for (const QString& name : {Path("missing.txt"), dir.path()}) {
        EXPECT_EQ(LoadAlgorithmFile(name, lines), QStringLiteral("Cannot open file %1").arg(name));
        EXPECT_EQ(lines, QStringList{Q("ШАГ")});
    }
    // A relative name is reported with its full name.
    EXPECT_EQ(LoadAlgorithmFile(QStringLiteral("no-such-file.txt"), lines),
              QStringLiteral("Cannot open file %1")
                  .arg(QDir::current().absoluteFilePath(QStringLiteral("no-such-file.txt"))));
}

// Root passes every permission check; while this lives, files are opened with
// the rights of an ordinary user, as a pupil's program would open them.
class OrdinaryUserFiles {
public:
    OrdinaryUserFiles()
    {
        if (geteuid() == 0) {
            setfsgid(kNobody);
            setfsuid(kNobody);
        }
    }
    ~OrdinaryUserFiles()
    {
        if (geteuid() == 0) {
            setfsuid(0);
            setfsgid(0);
        }
    }
    bool Bites() const { return geteuid() != 0 || setfsuid(uid_t(-1)) == kNobody; }

private:
    static constexpr uid_t kNobody = 65534;
};

TEST_F(AlgorithmFileOnDisk, AWriteThatStopsShortKeepsTheOldFile)
{
    // A file size limit makes the disk refuse as a full one would, from the
    // first byte or part of the way through. The texts lie on both sides of
    // the 16 KiB a file device may hold back until it is closed.
    struct Case {
        bool takesNewFiles;
        int lines;      // of "    ШАГ", 9 bytes each
        rlim_t room;    // bytes the disk takes
        bool saved;
    };
    const std::vector<Case> cases = {
        {true, 3, 0, false},
        {true, 1500, 8192, false},
        {true, 3400, 8192, false},
        {true, 1500, 65536, true},
        {false, 3, 0, false},
        {false, 3400, 8192, false},
    };
    const QByteArray old = FormatAlgorithmText(QStringList(90, Q("    ПОВОРОТ")));
    const auto rw = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                    | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    const auto enter = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                       | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), enter | QFileDevice::WriteOwner));
    bool bites = true;
    int row = 0;
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << (k.takesNewFiles ? "folder takes new files, " : "folder takes none, ")
                                        << k.lines << " lines, room " << k.room);
        const QString folder = Path("f") + QString::number(row++);
        ASSERT_TRUE(QDir().mkdir(folder));
        const QString name = folder + QStringLiteral("/old.txt");
        WriteAll(name, old);
        ASSERT_TRUE(QFile::setPermissions(name, rw));
        ASSERT_TRUE(QFile::setPermissions(folder, k.takesNewFiles ? enter | rw : enter));

        const QStringList lines(k.lines, Q("    ШАГ"));
        rlimit saved{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = k.room;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        QString result;
        {
            OrdinaryUserFiles user;
            bites = bites && (k.takesNewFiles || user.Bites());
            result = SaveAlgorithmFile(name, lines);
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QFile::setPermissions(folder, enter | QFileDevice::WriteOwner);

        EXPECT_EQ(result, k.saved ? QString() : QStringLiteral("Stream write error"));
        const QByteArray now = ReadAll(name);
        EXPECT_TRUE(now == (k.saved ? FormatAlgorithmText(lines) : old)) << "the file holds " << now.size() << " bytes";
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
    }
    if (!bites)
        GTEST_SKIP() << "no ordinary user's rights to be had: nothing was written in place";
}

TEST_F(AlgorithmFileOnDisk, AFolderThatTakesNoNewFilesStillHasItsWritableFileSaved)
{
    const QString folder = Path("locked");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    const QString name = folder + QStringLiteral("/a.txt");
    WriteAll(name, QByteArray(5000, 'x'));
    const auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                     | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    const auto enter = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                       | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(name, all));
    ASSERT_TRUE(QFile::setPermissions(folder, enter));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), enter | QFileDevice::WriteOwner));

    const QStringList lines = {Q("АЛГОРИТМ ПУТЬ_0"), Q("КОН")};
    QString saved, created;
    bool bites = false;
    {
        OrdinaryUserFiles user;
        bites = user.Bites();
        saved = SaveAlgorithmFile(name, lines);
        created = SaveAlgorithmFile(folder + QStringLiteral("/new.txt"), lines);
    }
    QFile::setPermissions(folder, enter | QFileDevice::WriteOwner);
    if (!bites)
        GTEST_SKIP() << "no ordinary user's rights to be had";
    EXPECT_EQ(saved, QString());
    EXPECT_EQ(ReadAll(name), FormatAlgorithmText(lines));
    EXPECT_EQ(created, QStringLiteral("Cannot create file %1").arg(folder + QStringLiteral("/new.txt")));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
}

TEST_F(AlgorithmFileOnDisk, WhatIsNotARegularFileOrIsTooLargeIsNotLoaded)
{
    const QString pipe = Path("pipe.txt");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString zero = Path("zero.txt");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString huge = Path("huge.txt");  // sparse: no room taken on disk
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(kMaxAlgorithmFileSize + 1));
    }
    // A load that waits on the pipe ends the run instead of hanging it.
    alarm(60);
    for (const QString& name : {pipe, zero, huge}) {
        QStringList lines = {Q("ШАГ")};
        EXPECT_EQ(LoadAlgorithmFile(name, lines), QStringLiteral("Cannot open file %1").arg(name));
        EXPECT_EQ(lines, QStringList{Q("ШАГ")});
    }
    alarm(0);
    // The bound itself is admitted.
    const QString largest = Path("largest.txt");
    WriteAll(largest, QByteArray(qsizetype(kMaxAlgorithmFileSize), 'x'));
    QStringList lines;
    EXPECT_EQ(LoadAlgorithmFile(largest, lines), QString());
    EXPECT_EQ(lines.size(), 1);
}

} // namespace
