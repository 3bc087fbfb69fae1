// SPDX-License-Identifier: MIT
#include "setup_files.h"

#include "basic/conversions.h"
#include "basic/services.h"
#include "desktop/shown_text.h"
#include "form/form.h"
#include "session/setup_document.h"
#include "session/window_model.h"
#include "texts/file_failures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QUrl>
#include <algorithm>
#include <functional>
#include <utility>

namespace {

const QString Title = QStringLiteral("Vokarelo");
const QString Filter = QStringLiteral("Vokarelo 设置 (*.vks);;所有文件 (*)");
constexpr int ProgressSteps = 1000;
constexpr int ProgressDelayMs = 500;
constexpr int ProgressIntervalMs = 50;

// The progress of a run: its 取消 is never the button Return presses, so that a key meant for
// another window cannot stop the run.
void keepCancelFromDefault(QProgressDialog& progress) {
    auto* cancel = new QPushButton(QStringLiteral("取消"), &progress);
    cancel->setAutoDefault(false);
    cancel->setDefault(false);
    progress.setCancelButton(cancel);
}

} // namespace

SetupFiles::SetupFiles(QWidget& window, WindowModel& model, const ShellServices& services)
    : window_(window), model_(model), clock_(services.clock), settings_(services.settings),
      fileDialogs_(services.fileDialogs), messages_(services.messages) {}

QString SetupFiles::lastFolder() const {
    const QString folder = settings_.lastSetupFolder();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void SetupFiles::rememberFolder(const QString& filePath) {
    settings_.setLastSetupFolder(QFileInfo(filePath).absolutePath());
}

void SetupFiles::tell(const QString& text) {
    messages_.show(text);
}

void SetupFiles::goOnWith(Task<> task) {
    if (goOn) {
        goOn(std::move(task));
        return;
    }
    // Without an event queue (a window of a test's own) the task is kept here until it ends.
    tasks_.push_back(std::move(task));
    const auto going = std::prev(tasks_.end());
    going->whenEnded([this, going] {
        Task<> ended = std::move(*going);
        tasks_.erase(going);
        try {
            ended.takeNow();
        } catch (const std::exception& error) {
            messages_.warn(QString::fromLocal8Bit(error.what()));
        }
    });
}

void SetupFiles::save() {
    goOnWith([](Task<bool> saving) -> Task<> { co_await saving; }(saveSteps()));
}

Task<bool> SetupFiles::saveSteps() {
    // The set-up is named after the number it shows, as its picture is, when that makes a name.
    const QString number = model_.form().text(ControlId::NumberField);
    const QString name = number.isEmpty() || !fileNameRefusal(number).isEmpty()
                             ? QStringLiteral("set-up.vks")
                             : number + QStringLiteral(".vks");
    const QString path = co_await fileDialogs_.fileToSave(
        QStringLiteral("保存设置"), QDir(lastFolder()).filePath(name), Filter);
    if (path.isEmpty())
        co_return false;
    rememberFolder(path);
    QString error;
    if (!model_.save(path, clock_.now(), &error)) {
        tell(QStringLiteral("设置没有保存到%1：%2").arg(path, error));
        co_return false;
    }
    if (used)
        used(path);
    co_return true;
}

void SetupFiles::open() {
    goOnWith(openChosenSteps());
}

Task<> SetupFiles::openChosenSteps() {
    const QString path =
        co_await fileDialogs_.fileToOpen(QStringLiteral("打开设置"), lastFolder(), Filter);
    if (path.isEmpty())
        co_return;
    rememberFolder(path);
    co_await openSteps(path);
}

void SetupFiles::openFile(const QString& path) {
    goOnWith(openSteps(path));
}

Task<> SetupFiles::openSteps(QString path) {
    QFile script;
    if (const QString refusal = openRegularFile(path, script); !refusal.isEmpty()) {
        tell(fileNotOpenedText(path, refusal));
        co_return;
    }
    if (model_.hasUnsavedActions() &&
        !co_await messages_.question(
            QStringLiteral("打开%1会丢弃还没有保存的操作。继续吗？").arg(path)))
        co_return;
    const QString name = QFileInfo(path).fileName();
    if (used)
        used(path);
    // A long script keeps the window alive: after a moment a dialog shows how far the run is, by
    // the bytes read, and can stop it. It is window-modal, so nothing else reaches the window
    // while the script runs on it, and the run holds back its messages until it has ended, so
    // that the dialog never covers a box waiting for an answer; the panel shows the script's
    // result once, at the end.
    // On the heap: the window may be gone before the run has ended (a logout while an export of
    // the run pauses), and it takes its children along.
    const QPointer<QProgressDialog> progress = new QProgressDialog(&window_);
    const auto closeProgress = qScopeGuard([&progress] { delete progress.data(); });
    // The set-up's name is the sender's: a label of its own shows it as plain text.
    auto* label = new QLabel(progress);
    showPlainText(*label,
                  QStringLiteral("正在运行%1…").arg(elidedMiddle(name, ShownPathCharacters)));
    progress->setLabel(label);
    progress->setRange(0, ProgressSteps);
    keepCancelFromDefault(*progress);
    progress->setWindowTitle(Title);
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(ProgressDelayMs);
    const qint64 size = script.size();
    QElapsedTimer sinceShown;
    sinceShown.start();
    const auto keepGoing = [&] {
        if (!progress)
            return false;
        // Looked at some twenty times a second: often enough to answer, rarely enough to cost
        // nothing against the lines themselves.
        if (sinceShown.elapsed() < ProgressIntervalMs)
            return true;
        sinceShown.restart();
        if (size > 0)
            progress->setValue(
                int(std::min<qint64>(ProgressSteps - 1, script.pos() * ProgressSteps / size)));
        return progress && !progress->wasCanceled();
    };

    // The files its "save" lines would write over, or outside its folder, and more files than a
    // run writes unasked, are asked for once.
    const SetupFolder folder(QFileInfo(path).absolutePath(), model_.form().files());
    bool stopped = false;
    const PlannedWrites writes = writesNeedingConsent(script, folder, keepGoing, &stopped);
    if (progress)
        progress->reset();
    if (stopped)
        co_return;
    if (writes.needAsking() && !co_await messages_.question(consentQuestion(name, folder, writes)))
        co_return;
    if (!script.seek(0)) {
        tell(fileNotReadText(path, script.errorString()).chinese);
        co_return;
    }

    const SetupRunReport report = co_await model_.startDocument(
        script, name, folder, writes.needAsking() ? &writes : nullptr, keepGoing);
    if (progress)
        progress->reset();
    if (const QString summary = runSummary(path, report); !summary.isEmpty())
        tell(summary);
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
