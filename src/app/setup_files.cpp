#include "setup_files.h"

#include "form/form.h"
#include "script/setup_session.h"
#include "window/export.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QSettings>
#include <QUrl>
#include <algorithm>

namespace {

const QString Title = QStringLiteral("Vokarelo");
const QString FolderKey = QStringLiteral("setups/folder");
const QString Filter = QStringLiteral("Vokarelo 设置 (*.vks);;所有文件 (*)");
constexpr int ProgressSteps = 1000;
constexpr int ProgressDelayMs = 500;
constexpr int ProgressIntervalMs = 50;

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
    // A long script keeps the window alive: after a moment a dialog shows how far the run is, by
    // the bytes read, and can stop it. It is window-modal, so nothing else reaches the window
    // while the script runs on it; the panel shows the script's result once, at the end.
    QProgressDialog progress(QStringLiteral("正在运行%1…").arg(QFileInfo(path).fileName()),
                             QStringLiteral("取消"), 0, ProgressSteps, &window_);
    progress.setWindowTitle(Title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(ProgressDelayMs);
    const qint64 size = script.size();
    QElapsedTimer sinceShown;
    sinceShown.start();
    const auto keepGoing = [&] {
        // Looked at some twenty times a second: often enough to answer, rarely enough to cost
        // nothing against the lines themselves.
        if (sinceShown.elapsed() < ProgressIntervalMs)
            return true;
        sinceShown.restart();
        if (size > 0)
            progress.setValue(
                int(std::min<qint64>(ProgressSteps - 1, script.pos() * ProgressSteps / size)));
        return !progress.wasCanceled();
    };
    const std::optional<ScriptFailure> failure = session_.open(script, keepGoing);
    progress.reset();
    if (failure)
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
