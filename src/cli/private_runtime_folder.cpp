// SPDX-License-Identifier: MIT
#include "private_runtime_folder.h"

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A relative TMPDIR would put the runtime folder, and XDG_RUNTIME_DIR with it, into whatever folder
// the program was started in (Qt makes it absolute from there when such a folder exists).
QByteArray temporaryFolder() {
    if (qEnvironmentVariableIsSet("TMPDIR") && !qgetenv("TMPDIR").startsWith('/'))
        return "/tmp";
    return QFile::encodeName(QDir::tempPath());
}

} // namespace

PrivateRuntimeFolder::PrivateRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    QByteArray name = temporaryFolder() + "/vokarelo-runtime-XXXXXX";
    // mkdtemp makes it 0700 and ours, which is what Qt asks of a runtime folder.
    if (::mkdtemp(name.data())) {
        path_ = name;
        qputenv("XDG_RUNTIME_DIR", path_);
    }
}

PrivateRuntimeFolder::~PrivateRuntimeFolder() {
    if (!path_.isEmpty())
        QDir(QFile::decodeName(path_)).removeRecursively();
}

void useLastingRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const uid_t user = ::getuid();
    const passwd* account = ::getpwuid(user);
    const QByteArray name = account ? QByteArray(account->pw_name) : QByteArray::number(user);
    const QByteArray path = temporaryFolder() + "/runtime-" + name;
    ::mkdir(path.constData(), 0700);
    struct stat found;
    if (::lstat(path.constData(), &found) == 0 && S_ISDIR(found.st_mode) && found.st_uid == user &&
        (found.st_mode & 0777) == 0700)
        qputenv("XDG_RUNTIME_DIR", path);
}
