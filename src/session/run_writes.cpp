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

bool RunWrites::mayWrite(const QString& path, bool replaces) {
    if (written_.contains(path))
        return true;
    const QString name = elidedMiddle(setupName_, ShownPathCharacters);
    if (written_.size() >= PlannedWrites::MostWritesUnasked &&
        !answer(many_, QStringLiteral("%1的运行已经写入了 %2 个文件，还要写入更多，下一个是：\n\n"
                                      "%3\n\n继续写入吗？")
                           .arg(name, QString::number(written_.size()),
                                elidedMiddle(path, ShownPathCharacters))))
        return false;
    if (replaces && !agreed_.contains(path) &&
        !answer(replacing_, QStringLiteral("%1的运行要用导出的图片替换已经存在的文件：\n\n%2\n\n"
                                           "替换吗？这次运行以后的替换不再询问。")
                                .arg(name, elidedMiddle(path, ShownPathCharacters))))
        return false;
    written_.insert(path);
    return true;
}

bool RunWrites::answer(std::optional<bool>& given, const QString& question) {
    if (!given)
        given = ask_->ask(question);
    return *given;
}
