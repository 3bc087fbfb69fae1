// SPDX-License-Identifier: MIT
#include "setup_platform.h"

namespace {

// A file written during a replay: the bytes are counted and let go, and the name is never touched.
class DiscardedFile : public PendingFile {
public:
    qint64 write(const char*, qint64 size) override {
        size_ += size;
        return size;
    }
    bool sync() override { return true; }
    qint64 size() override { return size_; }
    bool commit() override { return true; }
    FileError error() const override { return {}; }

private:
    qint64 size_ = 0;
};

// A folder looked at as it is, so that a replayed export is refused where the real one was, but
// whose new files are discarded.
class ReplayedFolder : public OpenFolder {
public:
    explicit ReplayedFolder(std::unique_ptr<OpenFolder> folder) : folder_(std::move(folder)) {}
    EntryKind entryKind(const QString& name) override { return folder_->entryKind(name); }
    std::unique_ptr<PendingFile> create(const QString&, FileError*) override {
        return std::make_unique<DiscardedFile>();
    }

private:
    std::unique_ptr<OpenFolder> folder_;
};

class ReplayFileStore : public FileStore {
public:
    explicit ReplayFileStore(FileStore& system) : system_(system) {}
    std::unique_ptr<OpenFolder> openFolder(const QString& path, FileError* error) override {
        std::unique_ptr<OpenFolder> folder = system_.openFolder(path, error);
        return folder ? std::make_unique<ReplayedFolder>(std::move(folder)) : nullptr;
    }
    bool canCreateIn(const QString& folder) override { return system_.canCreateIn(folder); }
    // A folder the export would make is taken as made: the replay makes nothing.
    bool makeFolder(const QString&, FileError*) override { return true; }

private:
    FileStore& system_;
};

} // namespace

SetupPlatform::SetupPlatform(Platform& system) : system_(system) {}

SetupPlatform::~SetupPlatform() = default;

void SetupPlatform::beginReplay() {
    replayStore_ = std::make_unique<ReplayFileStore>(system_.fileStore());
    replayClipboard_ = QImage();
}

void SetupPlatform::endReplay() {
    replayStore_.reset();
    replayClipboard_ = QImage();
}

ClipboardPicture SetupPlatform::clipboardPicture() const {
    return replayStore_ ? answeredPicture(replayClipboard_) : system_.clipboardPicture();
}

void SetupPlatform::setClipboardImage(const QImage& image) {
    if (replayStore_)
        replayClipboard_ = image;
    else
        system_.setClipboardImage(image);
}

void SetupPlatform::pause(int milliseconds) {
    if (!replayStore_)
        system_.pause(milliseconds);
}

FileStore& SetupPlatform::fileStore() {
    return replayStore_ ? *replayStore_ : system_.fileStore();
}

void SetupPlatform::beginScript() {
    inScript_ = true;
    fixedClock_.reset();
    scriptClipboard_.clear();
    quitRequested_ = false;
}

void SetupPlatform::endScript() {
    inScript_ = false;
    fixedClock_.reset();
    quitRequested_ = false;
}

void SetupPlatform::startWatching() {
    clockRead_.reset();
    clipboardTextRead_.reset();
}

QDateTime SetupPlatform::now() const {
    QDateTime moment = system_.now();
    if (inScript_ && fixedClock_) {
        moment = *fixedClock_;
    } else {
        const QTime time = moment.time();
        moment.setTime(QTime(time.hour(), time.minute(), time.second()));
    }
    clockRead_ = moment;
    return moment;
}

ClipboardText SetupPlatform::clipboardText() const {
    const ClipboardText read = inScript_ ? answeredText(scriptClipboard_) : system_.clipboardText();
    if (read.read == ClipboardRead::Found)
        clipboardTextRead_ = read.text;
    return read;
}

void SetupPlatform::quit() {
    if (inScript_)
        quitRequested_ = true;
    else
        system_.quit();
}

void SetupPlatform::showMessage(const QString& text, const QString& title) {
    if (inScript_ && heldMessage)
        heldMessage(text);
    else
        system_.showMessage(text, title);
}
