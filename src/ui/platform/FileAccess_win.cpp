#include "ui/platform/FileAccess.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

namespace ui {
namespace {

// A write cut short by a full disk leaves Qt without a reason of its own.
QString writeFailure(const QFileDevice& file)
{
    QString reason = file.errorString();
    if (reason.isEmpty() || reason == QLatin1String("Unknown error")) {
        return QCoreApplication::translate(
            "ui::ReadingFiles", "Not all of the reading could be written; the disk may be full.");
    }
    return reason;
}

} // namespace

FileFacts factsOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return {};
    }
    return {info.isFile() ? FileKind::Regular : FileKind::Other, info.size()};
}

FileContents readRegularFile(const QString& path, qint64 limit)
{
    using Status = FileContents::Status;
    const FileFacts facts = factsOf(path);
    if (facts.kind != FileKind::Regular) {
        return {facts.kind == FileKind::Missing ? Status::Missing : Status::NotRegular, {}};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {Status::Unreadable, {}};
    }
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        return {Status::Unreadable, {}};
    }
    if (bytes.size() > limit) {
        return {Status::TooLarge, {}};
    }
    return {Status::Read, bytes};
}

QString writeWholeFile(const QString& path, const QByteArray& bytes, NewFileAccess /*access*/)
{
    if (factsOf(path).kind == FileKind::Other) {
        return QCoreApplication::translate("ui::ReadingFiles", "The file may not be changed.");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    // QSaveFile::commit() does not check its last flush: a write cut short must
    // be caught here, and the file given up before the commit.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = writeFailure(file);
        file.cancelWriting();
        file.commit();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

QString pathFromNative(const QByteArray& bytes)
{
    return QFile::decodeName(bytes);
}

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

QString pathFromUrl(const QUrl& url)
{
    return url.toLocalFile();
}

QByteArray encodedUrlOf(const QString& path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded();
}

} // namespace ui
