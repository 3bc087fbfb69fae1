// SPDX-License-Identifier: MIT
#include "setup_document.h"

#include "basic/conversions.h"
#include "script/script.h"
#include "script/script_reader.h"
#include "texts/file_failures.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What the file opened is, told by its mode.
EntryKind entryOf(mode_t mode) {
    if (S_ISDIR(mode))
        return EntryKind::Directory;
    if (S_ISFIFO(mode))
        return EntryKind::Fifo;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return EntryKind::Device;
    return EntryKind::Other;
}

bool isPictureName(const QString& name) {
    for (const char* type : {".jpg", ".jpeg", ".png"})
        if (name.endsWith(QLatin1StringView(type), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

QString openRegularFile(const QString& path, QFile& file) {
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking, so that a FIFO with no writer cannot hold the window in open(); the file's
    // kind is then read from what was opened, not from a name that may change in between.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return openFailureReason(errno);
    struct stat status;
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        return openFailureReason(error);
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        return notARegularFileReason(entryOf(status.st_mode));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return {};
}

SetupFolder::SetupFolder(const QString& folder, FileStore& files)
    : folder_(QDir::cleanPath(QDir(folder).absolutePath())),
      canonicalFolder_(QFileInfo(folder_).canonicalFilePath()), files_(files) {}

QString SetupFolder::resolve(const QString& name) const {
    if (!isPictureName(name))
        throw ScriptError{notAPictureNameText()};
    return QDir::cleanPath(QDir(folder_).absoluteFilePath(name));
}

bool SetupFolder::needsConsent(const QString& path) const {
    if (files_.entryKind(path) != EntryKind::Missing)
        return true;
    // The folder the file goes into, as the system finds it: a link to elsewhere is elsewhere.
    const QString parent = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    if (parent.isEmpty() || canonicalFolder_.isEmpty())
        return true;
    return parent != canonicalFolder_ && !parent.startsWith(canonicalFolder_ + u'/');
}

PlannedWrites writesNeedingConsent(QIODevice& script, const SetupFolder& folder,
                                   const std::function<bool()>& keepGoing, bool* stopped) {
    PlannedWrites planned;
    QSet<QString> seen;
    *stopped = false;
    ScriptReader reader(script);
    QByteArray bytes;
    while (reader.next(bytes) == ScriptReader::Result::Line) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString line = decoder.decode(bytes);
        if (decoder.hasError())
            break;
        try {
            const std::optional<ScriptAction> action = parseScriptLine(line);
            if (action && action->kind == ScriptAction::Kind::Save) {
                const QString path = folder.resolve(action->text);
                if (!seen.contains(path)) {
                    seen.insert(path);
                    ++planned.total;
                    if (folder.needsConsent(path)) {
                        if (planned.listed.size() < PlannedWrites::ListedWrites)
                            planned.listed.append(path);
                        ++planned.count;
                    }
                }
            }
        } catch (const ScriptError&) {
            break; // a run stops at this line: nothing after it is written
        }
        if (keepGoing && !keepGoing()) {
            *stopped = true;
            break;
        }
    }
    return planned;
}

QString consentQuestion(const QString& setupName, const SetupFolder& folder,
                        const PlannedWrites& writes) {
    const QString name = elidedMiddle(setupName, ShownPathCharacters);
    QStringList parts;
    if (writes.total > PlannedWrites::MostWritesUnasked)
        parts.append(QStringLiteral("%1会写入 %2 个文件，大多在%3。")
                         .arg(name, QString::number(writes.total),
                              elidedMiddle(folder.path(), ShownPathCharacters)));
    if (writes.count > 0) {
        QStringList listed;
        for (const QString& path : writes.listed)
            listed.append(elidedMiddle(path, ShownPathCharacters));
        QString text = QStringLiteral("%1会写入下面的文件，其中有已经存在的（会被替换）或在设置"
                                      "文件所在的文件夹以外的：\n\n")
                           .arg(name) +
                       listed.join(u'\n');
        if (writes.count > writes.listed.size())
            text += QStringLiteral("\n……另外还有 %1 个").arg(writes.count - writes.listed.size());
        parts.append(text);
    }
    return parts.join(QStringLiteral("\n\n")) + QStringLiteral("\n\n运行并写入这些文件吗？");
}
