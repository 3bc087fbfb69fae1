// SPDX-License-Identifier: MIT
#include "window_model.h"

#include "basic/command_error.h"
#include "basic/conversions.h"
#include "basic/image_file.h"
#include "script/script_reader.h"
#include "setup_document.h"
#include "texts/file_failures.h"
#include "window/window_definition.h"

#include <QBuffer>
#include <QDir>
#include <QScopeGuard>
#include <QSet>
#include <utility>

WindowModel::WindowModel(const Services& outside, Messages& messages)
    : messages_(messages), world_(outside.clock, outside.clipboard), files_(outside.files),
      form_({world_.clock(), world_.clipboard(), files_, outside.locations, outside.timer,
             outside.screen},
            windowDefinition(), *this),
      recorder_(form_, world_), lines_(form_, recorder_, world_) {
    form_.start();
    recorder_.restart();
    recorder_.markSaved();
}

// Outside a set-up's run, which observes the form itself while it runs: the user reads of each.
void WindowModel::commandFailed(const CommandError& error) {
    recorder_.errorMet();
    messages_.warn(error.message());
}

void WindowModel::exportFinished(const ExportOutcome& outcome) {
    if (outcome.saved()) {
        ++handedOver_.saves;
        messages_.show(outcome.message);
    } else {
        messages_.warn(outcome.message);
    }
}

void WindowModel::copied() {
    ++handedOver_.copies;
}

void WindowModel::quitAsked() {
    quitRequested_ = true;
}

std::optional<ScriptFailure> WindowModel::open(QIODevice& script, std::function<bool()> keepGoing) {
    // Whatever ends the run, the recording then counts as saved.
    const auto opened = qScopeGuard([this] { recorder_.markSaved(); });
    return run(script, std::move(keepGoing), std::nullopt).takeNow().failure;
}

SetupRunReport WindowModel::openDocument(QIODevice& script, const QString& name,
                                         const SetupFolder& folder, const PlannedWrites* agreedTo,
                                         std::function<bool()> keepGoing) {
    return startDocument(script, name, folder, agreedTo, std::move(keepGoing)).takeNow();
}

Task<SetupRunReport> WindowModel::startDocument(QIODevice& script, QString name,
                                                const SetupFolder& folder,
                                                const PlannedWrites* agreedTo,
                                                std::function<bool()> keepGoing) {
    const auto opened = qScopeGuard([this] { recorder_.markSaved(); });
    const Document document{name, folder, agreedTo};
    partlyRun_ = QDir::cleanPath(QDir(folder.path()).absoluteFilePath(name));
    SetupRunReport report = co_await run(script, std::move(keepGoing), document);
    if (!report.failure)
        partlyRun_.clear();
    co_return report;
}

bool WindowModel::skipDeclined(const QString& path) {
    if (!files_.takeDeclined())
        return false;
    if (report_.declined.size() < SetupRunReport::ListedPictures)
        report_.declined.append(path);
    ++report_.picturesDeclined;
    return true;
}

Task<SetupRunReport> WindowModel::run(QIODevice& script, std::function<bool()> keepGoing,
                                      std::optional<Document> document) {
    // Whatever ends the run, the window is the user's again afterwards: the clock and clipboard
    // outside, errors in message boxes, and writes without asking.
    world_.beginScript();
    if (document)
        files_.beginRun(document->name, messages_,
                        document->agreedTo &&
                            document->agreedTo->total > PlannedWrites::MostWritesUnasked);
    const auto scriptEnds = qScopeGuard([this] {
        world_.endScript();
        files_.endRun();
    });
    form_.restart();
    recorder_.restart();
    report_ = {};
    RunOptions options;
    options.exportFinished = [this](const ExportOutcome& outcome) {
        if (outcome.saved())
            ++handedOver_.saves;
    };
    options.pictureSaved = [this](const QString& path) {
        if (report_.pictures.size() < SetupRunReport::ListedPictures)
            report_.pictures.append(path);
        ++report_.picturesWritten;
    };
    options.skipDeclined = [this](const QString& path) { return skipDeclined(path); };
    options.errorTolerated = [this](int line, const QString& text) {
        if (report_.firstError.isEmpty())
            report_.firstError = QStringLiteral("第 %1 行：%2").arg(line).arg(text);
    };
    // Files this run wrote itself may be written again without asking.
    QSet<QString> written;
    if (document)
        options.savePath = [&](const QString& name) {
            const QString path = document->folder.resolve(name);
            if (!document->agreedTo && !written.contains(path) &&
                document->folder.needsConsent(path)) {
                const QString shown = elidedMiddle(path, ShownPathCharacters);
                throw ScriptError{
                    {QStringLiteral("%1 was not asked for before the run; not written").arg(shown),
                     QStringLiteral("打开前没有问过是否写入%1，没有写").arg(shown)}};
            }
            written.insert(path);
            files_.agreed(path);
            return path;
        };
    bool recordingFull = false;
    options.keepGoing = [&] {
        recordingFull = recorder_.recordedCharacters() > MaxRecordingCharacters;
        // Asked first: the progress of the run lets the program's ending arrive meanwhile.
        const bool goOn = !keepGoing || keepGoing();
        return goOn && !recordingFull && !runsEnded_;
    };
    report_.failure = co_await lines_.start(script, std::move(options));
    report_.captureOffClipboard = !form_.captureOffClipboard().isNull();
    if (recordingFull && report_.failure)
        report_.failure->message = {
            QStringLiteral(
                "the set-up's recording went past %1 MiB; the run stopped after this line")
                .arg(MaxRecordingCharacters / (1024 * 1024)),
            QStringLiteral("设置的记录超过了 %1 MiB，运行在此行之后停止")
                .arg(MaxRecordingCharacters / (1024 * 1024))};
    co_return std::exchange(report_, {});
}

QString runSummary(const QString& setupName, const SetupRunReport& report) {
    QStringList parts;
    const auto listed = [&](const QString& heading, qsizetype count, const QStringList& paths) {
        QStringList shown;
        for (const QString& path : paths)
            shown.append(elidedMiddle(path, ShownPathCharacters));
        QString text = heading.arg(elidedMiddle(setupName, ShownPathCharacters),
                                   QString::number(count), shown.join(u'\n'));
        if (count > paths.size())
            text += QStringLiteral("\n……另外还有 %1 张").arg(count - paths.size());
        parts.append(text);
    };
    if (report.picturesWritten > 0)
        listed(QStringLiteral("%1写入了 %2 张图片：\n%3"), report.picturesWritten, report.pictures);
    if (report.picturesDeclined > 0)
        listed(QStringLiteral("%1的运行跳过了 %2 张没有同意写入的图片：\n%3"),
               report.picturesDeclined, report.declined);
    if (report.captureOffClipboard)
        parts.append(QStringLiteral("截屏未能放到剪贴板（请先点一下窗口再截屏）"));
    if (!report.firstError.isEmpty())
        parts.append(QStringLiteral("第一个错误（运行没有因此停止）：") + report.firstError);
    if (report.failure)
        parts.append(failureText(setupName, *report.failure, ScriptLanguage::Chinese));
    return parts.join(QStringLiteral("\n\n"));
}

// Every line a recording holds can be read again: the longest, a field's text or the clipboard's
// that a paste put in a field, is at most Form::MaxFieldText UTF-16 units, each at most three bytes
// of UTF-8 once escaped, after the field's name.
static_assert(Form::MaxFieldText * 3 + 64 < ScriptReader::MaxLineBytes);

// Ctrl+S and the last session's set-up alike, through one writer.
bool WindowModel::writeSetup(const QString& path, const QDateTime& savedAt, QString* error) {
    recorder_.commitTyping();
    WriteFailure failure;
    if (!saveFileAtomically(recorder_.script(savedAt).toUtf8(), path, files_.outside(), &failure)) {
        *error = writeFailureText(failure).chinese;
        return false;
    }
    return true;
}

bool WindowModel::save(const QString& path, const QDateTime& savedAt, QString* error) {
    if (!writeSetup(path, savedAt, error))
        return false;
    recorder_.markSaved();
    return true;
}

bool WindowModel::keepSession(const QString& path, const QDateTime& savedAt, QString* error) {
    recorder_.commitTyping();
    const bool partOfItself = !partlyRun_.isEmpty() &&
                              (lines_.running() || !recorder_.hasUnsavedActions()) &&
                              QDir::cleanPath(QDir().absoluteFilePath(path)) == partlyRun_;
    if (recorder_.lines().isEmpty() || partOfItself)
        return true;
    const QString folder = splitPath(path).folder;
    FileError made;
    if (!form_.locations().makeFolder(folder, &made)) {
        *error = folderNotMadeText(folder, made);
        return false;
    }
    return writeSetup(path, savedAt, error);
}
