#include "setup_files.h"

#include "batch/setup_session.h"
#include "form/form.h"
#include "window/export.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QUrl>

namespace {

const QString Title = QStringLiteral("Vokarelo");
const QString FolderKey = QStringLiteral("setups/folder");
const QString Filter = QStringLiteral("Vokarelo 设置 (*.vks);;所有文件 (*)");

QSettings settings() {
    return QSettings(QStringLiteral("Vokarelo"), QStringLiteral("Vokarelo"));
}

} // namespace

SetupFiles::SetupFiles(QWidget& window, SetupSession& session, Form& form)
    : window_(window), session_(session), form_(form) {}

QString SetupFiles::lastFolder() const {
    const QString folder = settings().value(FolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void SetupFiles::rememberFolder(const QString& filePath) {
    settings().setValue(FolderKey, QFileInfo(filePath).absolutePath());
}

void SetupFiles::tell(const QString& text) {
    form_.platform().showMessage(text, Title);
}

void SetupFiles::save() {
    // The set-up is named after the number it shows, as its picture is, when that makes a name.
    const QString number = form_.text(ControlId::NumberField);
    const QString name = number.isEmpty() || !fileNameRefusal(number).isEmpty()
                             ? QStringLiteral("set-up.vks")
                             : number + QStringLiteral(".vks");
    QString path = QFileDialog::getSaveFileName(&window_, QStringLiteral("保存设置"),
                                                QDir(lastFolder()).filePath(name), Filter, nullptr,
                                                QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    rememberFolder(path);
    QString error;
    if (!session_.save(path, QDateTime::currentDateTime(), &error))
        tell(QStringLiteral("设置没有保存到%1：%2").arg(path, error));
}

void SetupFiles::open() {
    const QString path =
        QFileDialog::getOpenFileName(&window_, QStringLiteral("打开设置"), lastFolder(), Filter,
                                     nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    rememberFolder(path);
    openFile(path);
}

void SetupFiles::openFile(const QString& path) {
    if (session_.recorder().hasUnsavedActions() &&
        QMessageBox::question(&window_, Title,
                              QStringLiteral("打开%1会丢弃还没有保存的操作。继续吗？").arg(path)) !=
            QMessageBox::Yes)
        return;
    QFile script(path);
    if (!script.open(QIODevice::ReadOnly)) {
        tell(QStringLiteral("无法打开%1：%2").arg(path, script.errorString()));
        return;
    }
    if (const std::optional<ScriptFailure> failure = session_.open(script))
        tell(failureText(path, *failure));
}

std::optional<QString> SetupFiles::setupIn(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return std::nullopt;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() ||
        !url.toLocalFile().endsWith(QStringLiteral(".vks"), Qt::CaseInsensitive))
        return std::nullopt;
    return url.toLocalFile();
}
