#include "private_runtime_folder.h"

#include <QDir>
#include <QFile>
#include <cstdlib>

PrivateRuntimeFolder::PrivateRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    QByteArray name = QFile::encodeName(QDir::tempPath()) + "/vokarelo-runtime-XXXXXX";
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
