#include "AlgorithmFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kCodePage = "windows-1251";

QString FullName(const QString& fileName)
{
    return QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
}

// Closes the descriptor it holds when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// Opens without ever waiting: a named pipe with no writer would otherwise hold
// the program in open() for good. Only a regular file is let through, so that
// the non-blocking flag changes nothing for what is then read or written.
int OpenRegularFile(const QString& fileName, int access, struct stat& info)
{
    const QByteArray path = QFile::encodeName(fileName);
    int fd;
    do
        fd = ::open(path.constData(), access | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads from the start until `size` bytes or the end of the file, whichever
// comes first; false if reading fails.
bool ReadFromStart(int fd, qint64 size, QByteArray& bytes)
{
    // The room grows with what is read rather than being taken up front, as
    // `size` may be far more than the file holds.
    bytes.clear();
    qint64 done = 0;
    while (done < size) {
        if (done == bytes.size())
            bytes.resize(qsizetype(std::min(size, std::max<qint64>(2 * done, 64 * 1024))));
        const ssize_t n = ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        done += n;
    }
    bytes.resize(qsizetype(done));
    return true;
}

// Writes `size` bytes at the start of the file; `written` tells how many of
// them reached it, whether or not all did.
bool WriteAtStart(int fd, const char* data, qint64 size, qint64& written)
{
    written = 0;
    while (written < size) {
        const ssize_t n = ::pwrite(fd, data + written, size_t(size - written), off_t(written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

// For a file whose folder takes no new files, so that no temporary file can
// stand in for it. The old bytes that the new text will cover are kept first;
// should any write, the flush to disk or the cut to the new length fail, they
// are written back and the old length restored. Writing them back always has
// room: they go only where the new text has just been written, and the file
// is never made shorter than it was until everything else has succeeded. A
// file that may be written but not read cannot have its old bytes kept, and is
// refused like one that cannot be written.
QString SaveInPlace(const QString& fileName, const QByteArray& bytes)
{
    struct stat info {};
    const Descriptor fd(OpenRegularFile(fileName, O_RDWR, info));
    if (fd.Get() < 0)
        return QStringLiteral("Cannot create file %1").arg(FullName(fileName));
    const qint64 oldSize = info.st_size;
    const qint64 newSize = bytes.size();
    QByteArray old;
    if (!ReadFromStart(fd.Get(), std::min(oldSize, newSize), old))
        return QStringLiteral("Stream write error");

    qint64 written = 0;
    if (WriteAtStart(fd.Get(), bytes.constData(), newSize, written) && ::fsync(fd.Get()) == 0
        && (newSize >= oldSize || ::ftruncate(fd.Get(), off_t(newSize)) == 0))
        return QString();

    qint64 restored = 0;
    WriteAtStart(fd.Get(), old.constData(), std::min<qint64>(written, old.size()), restored);
    if (::fstat(fd.Get(), &info) == 0 && info.st_size != oldSize)
        ::ftruncate(fd.Get(), off_t(oldSize));
    ::fsync(fd.Get());
    return QStringLiteral("Stream write error");
}

} // namespace

QByteArray FormatAlgorithmText(const QStringList& lines)
{
    QStringEncoder encode(kCodePage);
    QByteArray bytes;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    bytes.reserve(size);
    for (const QString& line : lines) {
        bytes += encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

QStringList ParseAlgorithmText(const QByteArray& bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QString text = QStringDecoder(kCodePage)(nul < 0 ? QByteArrayView(bytes)
                                                           : QByteArrayView(bytes).first(nul));
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QString SaveAlgorithmFile(const QString& fileName, const QStringList& lines)
{
    // The text goes to a temporary file beside the target, which replaces the
    // target only once all of it is written: a full disk never costs the pupil
    // the file saved before. Only a folder that takes no new files, where the
    // target itself may still be written, has it written in place, and there
    // the old bytes are put back should the write fail.
    //
    // The file device may hold back what it was given (up to 16 KiB in Qt
    // 6.4) until commit(), and that commit() replaces the target even when
    // writing the held bytes fails: an empty or cut file would then stand in
    // for the pupil's work. So everything is pushed to the disk and the disk
    // asked to keep it, each step checked, before the target is replaced.
    const QByteArray bytes = FormatAlgorithmText(lines);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return SaveInPlace(fileName, bytes);
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0 || !file.commit()) {
        file.cancelWriting();
        return QStringLiteral("Stream write error");
    }
    return QString();
}

QString LoadAlgorithmFile(const QString& fileName, QStringList& lines)
{
    const QString cannotOpen = QStringLiteral("Cannot open file %1").arg(FullName(fileName));
    struct stat info {};
    const Descriptor fd(OpenRegularFile(fileName, O_RDONLY, info));
    if (fd.Get() < 0 || info.st_size > kMaxAlgorithmFileSize)
        return cannotOpen;
    // One byte more than the bound is asked for, so that a file that has grown
    // since it was opened is caught rather than cut short.
    QByteArray bytes;
    if (!ReadFromStart(fd.Get(), kMaxAlgorithmFileSize + 1, bytes) || bytes.size() > kMaxAlgorithmFileSize)
        return cannotOpen;
    lines = ParseAlgorithmText(bytes);
    return QString();
}
