// SPDX-License-Identifier: MIT
#include "run_writes.h"

#include "basic/conversions.h"
#include "setup_document.h"
#include "texts/file_failures.h"

// A folder whose new files the run's rules let through.
class GuardedFolder final : public OpenFolder {
public:
    GuardedFolder(std::unique_ptr<OpenFolder> folder, QString path, RunWrites& writes)
        : folder_(std::move(folder)), path_(std::move(path)), writes_(writes) {}

    EntryKind entryKind(const QString& name) override { return folder_->entryKind(name); }

    std::unique_ptr<PendingFile> create(const QString& name, FileError* error) override {
        const QString path = path_ == u"/" ? path_ + name : path_ + u'/' + name;
        if (!writes_.mayWrite(path, folder_->entryKind(name) != EntryKind::Missing)) {
            writes_.declined_ = true;
            *error = declinedWriteError();
            return nullptr;
        }
        return folder_->create(name, error);
    }
    quint64 fileSystem() const override { return folder_->fileSystem(); }
    bool syncFileSystem(FileError* error) override { return folder_->syncFileSystem(error); }

private:
    std::unique_ptr<OpenFolder> folder_;
    QString path_;
    RunWrites& writes_;
};

void RunWrites::beginRun(const QString& setupName, Messages& ask, bool manyAgreed) {
    ask_ = &ask;
    setupName_ = setupName;
    agreed_.clear();
    written_.clear();
    replacing_.reset();
    declined_ = false;
    many_ = manyAgreed ? std::optional<bool>(true) : std::nullopt;
}

void RunWrites::endRun() {
    ask_ = nullptr;
    agreed_.clear();
    written_.clear();
}

std::unique_ptr<OpenFolder> RunWrites::openFolder(const QString& path, FileError* error) {
    return guarded(outside_.openFolder(path, error), path);
}

std::unique_ptr<OpenFolder> RunWrites::openPrivateFolder(const QString& path, FileError* error) {
    return guarded(outside_.openPrivateFolder(path, error), path);
}

std::unique_ptr<OpenFolder> RunWrites::guarded(std::unique_ptr<OpenFolder> folder,
                                               const QString& path) {
    if (!folder || !ask_)
        return folder;
    return std::make_unique<GuardedFolder>(std::move(folder), path, *this);
}

QString RunWrites::manyQuestion(const QString& path) const {
    return QStringLiteral("%1的运行已经写入了 %2 个文件，还要写入更多，下一个是：\n\n"
                          "%3\n\n继续写入吗？")
        .arg(elidedMiddle(setupName_, ShownPathCharacters), QString::number(written_.size()),
             elidedMiddle(path, ShownPathCharacters));
}

QString RunWrites::replacingQuestion(const QString& path) const {
    return QStringLiteral("%1的运行要用导出的图片替换已经存在的文件：\n\n%2\n\n"
                          "替换吗？这次运行以后的替换不再询问。")
        .arg(elidedMiddle(setupName_, ShownPathCharacters),
             elidedMiddle(path, ShownPathCharacters));
}

bool RunWrites::needsMany(const QString& path) const {
    return !written_.contains(path) && written_.size() >= PlannedWrites::MostWritesUnasked;
}

bool RunWrites::needsReplacing(const QString& path, bool replaces) const {
    return !written_.contains(path) && replaces && !agreed_.contains(path);
}

// The questions in the order the write meets them; an answer no ends the asking, as the write
// will not be made.
void RunWrites::askBeforeWriting(const QString& path, std::function<void()> then) {
    if (!ask_) {
        then();
        return;
    }
    if (needsMany(path) && !many_) {
        ask_->ask(manyQuestion(path), [this, path, then = std::move(then)](bool yes) mutable {
            many_ = yes;
            if (yes)
                askBeforeWriting(path, std::move(then));
            else
                then();
        });
        return;
    }
    if ((!needsMany(path) || *many_) &&
        needsReplacing(path, entryKind(path) != EntryKind::Missing) && !replacing_) {
        ask_->ask(replacingQuestion(path), [this, then = std::move(then)](bool yes) {
            replacing_ = yes;
            then();
        });
        return;
    }
    then();
}

// The answers were asked for before the write; one that was not (a file that appeared at the name
// since) is no.
bool RunWrites::mayWrite(const QString& path, bool replaces) {
    if (needsMany(path) && !many_.value_or(false))
        return false;
    if (needsReplacing(path, replaces) && !replacing_.value_or(false))
        return false;
    written_.insert(path);
    return true;
}
