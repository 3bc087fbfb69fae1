// SPDX-License-Identifier: MIT
#include "setup_session.h"

#include "basic/command_error.h"
#include "basic/image_file.h"
#include "script_reader.h"
#include "setup_document.h"
#include "window/export.h"
#include "window/window_definition.h"

#include <QBuffer>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSet>
#include <utility>

SetupSession::SetupSession(SetupPlatform& platform)
    : platform_(platform), messages_(platform), form_(platform, windowDefinition(), *this),
      recorder_(form_, platform), lines_(form_, recorder_, platform) {
    // The export's message is followed by exported or exportFailed, which say what it said.
    platform_.heldMessage = [this](const QString& text) { heldMessage_ = text; };
    lines_.pictureSaved = [this](const QString& path) {
        if (report_.pictures.size() < SetupRunReport::ListedPictures)
            report_.pictures.append(path);
        ++report_.picturesWritten;
    };
    lines_.errorTolerated = [this](int line, const QString& text) {
        if (report_.firstError.isEmpty())
            report_.firstError = QStringLiteral("第 %1 行：%2").arg(line).arg(text);
    };
    form_.start();
    recorder_.restart();
}

void SetupSession::commandFailed(const CommandError& error) {
    recorder_.noteError();
    if (running_)
        lines_.commandFailed(error);
    else
        messages_.commandFailed(error);
}

void SetupSession::exportFailed(const QString& path, const QString& reason) {
    heldMessage_.reset();
    if (running_)
        lines_.exportFailed(path, reason);
}

void SetupSession::exported(const QString& path) {
    heldMessage_.reset();
    if (!platform_.replaying())
        ++handedOver_.saves;
    if (running_)
        lines_.pictureSaved(path);
}

void SetupSession::copied() {
    if (!platform_.replaying())
        ++handedOver_.copies;
}

std::optional<ScriptFailure> SetupSession::open(QIODevice& script,
                                                std::function<bool()> keepGoing) {
    // Whatever ends the run, the recording then counts as saved.
    const auto opened = qScopeGuard([this] { recorder_.markSaved(); });
    return run(script, std::move(keepGoing), nullptr, false).failure;
}

SetupRunReport SetupSession::openDocument(QIODevice& script, const SetupFolder& folder,
                                          bool consented, std::function<bool()> keepGoing) {
    const auto opened = qScopeGuard([this] { recorder_.markSaved(); });
    return run(script, std::move(keepGoing), &folder, consented);
}

std::optional<ScriptFailure> SetupSession::replay(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines)
        text += line.toUtf8() + '\n';
    QBuffer script(&text);
    script.open(QIODevice::ReadOnly);
    // The commands were carried out once already: bringing their state back touches nothing
    // outside the window.
    platform_.beginReplay();
    const auto replayed = qScopeGuard([this] { platform_.endReplay(); });
    return run(script, {}, nullptr, false).failure;
}

SetupRunReport SetupSession::run(QIODevice& script, std::function<bool()> keepGoing,
                                 const SetupFolder* folder, bool consented) {
    // Whatever ends the run, the window is the user's again afterwards: the system's clock and
    // clipboard, and errors in message boxes.
    platform_.beginScript();
    const auto scriptEnds = qScopeGuard([this] {
        lines_.keepGoing = nullptr;
        lines_.savePath = nullptr;
        platform_.endScript();
    });
    form_.restart();
    recorder_.restart();
    const QScopedValueRollback running(running_, true);
    report_ = {};
    heldMessage_.reset();
    // Files this run wrote itself may be written again without asking.
    QSet<QString> written;
    if (folder)
        lines_.savePath = [&](const QString& name) {
            const QString path = folder->resolve(name);
            if (!consented && !written.contains(path) && folder->needsConsent(path))
                throw ScriptError{
                    {QStringLiteral("%1 was not asked for before the run; not written").arg(path),
                     QStringLiteral("打开前没有问过是否写入%1，没有写").arg(path)}};
            written.insert(path);
            return path;
        };
    bool recordingFull = false;
    lines_.keepGoing = [&] {
        recordingFull = recorder_.recordedCharacters() > MaxRecordingCharacters;
        return !recordingFull && (!keepGoing || keepGoing());
    };
    report_.failure = lines_.run(script);
    if (recordingFull && report_.failure)
        report_.failure->message = {
            QStringLiteral(
                "the set-up's recording went past %1 MiB; the run stopped after this line")
                .arg(MaxRecordingCharacters / (1024 * 1024)),
            QStringLiteral("设置的记录超过了 %1 MiB，运行在此行之后停止")
                .arg(MaxRecordingCharacters / (1024 * 1024))};
    if (heldMessage_ && report_.firstError.isEmpty())
        report_.firstError = *heldMessage_;
    return std::exchange(report_, {});
}

QString runSummary(const QString& setupName, const SetupRunReport& report) {
    QStringList parts;
    if (report.picturesWritten > 0) {
        QString written = QStringLiteral("%1写入了 %2 张图片：\n%3")
                              .arg(setupName)
                              .arg(report.picturesWritten)
                              .arg(report.pictures.join(u'\n'));
        if (report.picturesWritten > report.pictures.size())
            written += QStringLiteral("\n……另外还有 %1 张")
                           .arg(report.picturesWritten - report.pictures.size());
        parts.append(written);
    }
    if (!report.firstError.isEmpty())
        parts.append(QStringLiteral("第一个错误（运行没有因此停止）：") + report.firstError);
    if (report.failure)
        parts.append(failureText(setupName, *report.failure, ScriptLanguage::Chinese));
    return parts.join(QStringLiteral("\n\n"));
}

namespace {

// Whether a line's UTF-8 bytes are more than a script may hold in one line.
bool longerThanALine(const QString& line) {
    if (line.size() > ScriptReader::MaxLineBytes)
        return true;
    if (line.size() * 3 <= ScriptReader::MaxLineBytes)
        return false;
    return line.toUtf8().size() > ScriptReader::MaxLineBytes;
}

} // namespace

std::optional<QString> SetupSession::overlongText() {
    for (const QString& line : recorder_.lines()) {
        if (!longerThanALine(line))
            continue;
        // Only a text makes a line that long: a field's, or the clipboard's that a paste read.
        const QString name = line.left(line.indexOf(u' '));
        if (const std::optional<ControlId> field = form_.controlNamed(name))
            return QStringLiteral("%1（%2）")
                .arg(QString::fromUtf8(form_.definition(*field).label), name);
        return QStringLiteral("粘贴时读到的剪贴板");
    }
    return std::nullopt;
}

bool SetupSession::save(const QString& path, const QDateTime& savedAt, QString* error) {
    if (const std::optional<QString> text = overlongText()) {
        *error =
            QStringLiteral("%1的文字超过了 1 MiB，而设置的一行最多 1 MiB，这样的设置无法再打开。"
                           "请先把文字改短")
                .arg(*text);
        return false;
    }
    WriteFailure failure;
    if (!saveFileAtomically(recorder_.script(savedAt).toUtf8(), path, &failure,
                            platform_.fileStore())) {
        *error = writeFailureReason(failure);
        return false;
    }
    recorder_.markSaved();
    return true;
}
