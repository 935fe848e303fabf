#include "AlgorithmFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const char* const kCodePage = "windows-1251";

QString FullName(const QString& fileName)
{
    return QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
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
    // target itself may still be written, has it written in place.
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot create file %1").arg(FullName(fileName));
    const QByteArray bytes = FormatAlgorithmText(lines);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        return QStringLiteral("Stream write error");
    }
    return QString();
}

QString LoadAlgorithmFile(const QString& fileName, QStringList& lines)
{
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot open file %1").arg(FullName(fileName));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("Cannot open file %1").arg(FullName(fileName));
    lines = ParseAlgorithmText(bytes);
    return QString();
}
