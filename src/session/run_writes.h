// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

#include <QSet>
#include <QString>
#include <memory>
#include <utility>

// The file store of the window's model: the one outside, through which a set-up's run writes only
// what the user agreed to. Outside a run it passes every write on. During one, a write that would
// replace a file the user was not asked about (an export's picture) needs the user's word, asked
// once for the run; so does a run's writing more files than PlannedWrites::MostWritesUnasked. A
// write refused is not made, and says so (ECANCELED); the run skips it and goes on.
class RunWrites final : public FileStore {
public:
    explicit RunWrites(FileStore& outside) : outside_(outside) {}

    // A run of the set-up named setupName starts: ask asks the user. manyAgreed when the user
    // agreed before the run to its writing more files than a run writes unasked.
    void beginRun(const QString& setupName, Messages& ask, bool manyAgreed);
    void endRun();
    // A file the user agreed to before the run, or that needs nobody's word: a "save" line's.
    void agreed(const QString& path) { agreed_.insert(path); }
    // Whether the last write that failed was one the user declined, then forgotten: a run skips
    // such a write rather than failing its line.
    bool takeDeclined() { return std::exchange(declined_, false); }
    // The store outside, unguarded: the program's own files (the last session, a set-up the user
    // saves) are never a run's to ask about.
    FileStore& outside() { return outside_; }

    // During a run: whether the write of path replaces a file the user was not asked about, or
    // goes past the writes a run makes unasked, is asked now, once for the run.
    void askBeforeWriting(const QString& path, std::function<void()> then) override;
    std::unique_ptr<OpenFolder> openFolder(const QString& path, FileError* error) override;
    std::unique_ptr<OpenFolder> openPrivateFolder(const QString& path, FileError* error) override;

private:
    friend class GuardedFolder;
    // Whether the run may write path, which replaces a file when replaces, by the answers given
    // before the write.
    bool mayWrite(const QString& path, bool replaces);
    bool needsMany(const QString& path) const;
    bool needsReplacing(const QString& path, bool replaces) const;
    QString manyQuestion(const QString& path) const;
    QString replacingQuestion(const QString& path) const;
    // The folder opened outside, guarded during a run.
    std::unique_ptr<OpenFolder> guarded(std::unique_ptr<OpenFolder> folder, const QString& path);

    FileStore& outside_;
    Messages* ask_ = nullptr; // none outside a run
    QString setupName_;
    QSet<QString> agreed_;
    QSet<QString> written_;
    std::optional<bool> replacing_;
    std::optional<bool> many_;
    bool declined_ = false;
};
