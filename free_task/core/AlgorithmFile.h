#pragma once
// The algorithm text file: the lines of the algorithm in their order, each
// followed by CR LF, in Windows-1251 and nothing else. Reading takes the file
// as it stands: a line ends at CR LF, CR or LF, the text ends at the first NUL
// byte, and a line end at the very end adds no empty line.

#include <QByteArray>
#include <QString>
#include <QStringList>

// The bytes of a file holding `lines`.
QByteArray FormatAlgorithmText(const QStringList& lines);

// The lines of a file holding `bytes`.
QStringList ParseAlgorithmText(const QByteArray& bytes);

// The largest file a load takes, chosen from what the window can hold: every
// line becomes a row of the algorithm list, a few hundred bytes each, so the
// worst file is one of line ends alone. At this bound even that loads in about
// half a second and under 200 MB (tests/bench/bench_file.cpp), while a
// pupil's algorithm is a few kilobytes.
inline constexpr qint64 kMaxAlgorithmFileSize = 512 * 1024;

// Both return an empty text on success, or the message of the failure, with the
// file's full name where it names the file and without the full stop that the
// error box adds. A save that cannot be finished leaves an existing file as it
// was, byte for byte. A load takes only a regular file no larger than
// kMaxAlgorithmFileSize, never waiting on a pipe or a device; a failed load
// leaves `lines` untouched.
QString SaveAlgorithmFile(const QString& fileName, const QStringList& lines);
QString LoadAlgorithmFile(const QString& fileName, QStringList& lines);
