// SPDX-License-Identifier: MIT
#pragma once

#include "basic/task.h"

#include <QString>
#include <functional>
#include <list>
#include <optional>

class Clock;
class FileDialogs;
class Messages;
class QMimeData;
class QWidget;
class Settings;
class WindowModel;
struct ShellServices;

// The window's set-up files: Ctrl+S saves the recording, Ctrl+O opens a script and runs it, and so
// does a script dropped on the window or named on the command line. The dialogs start in the folder
// the user last used.
class SetupFiles {
public:
    SetupFiles(QWidget& window, WindowModel& model, const ShellServices& services);

    // Asks where, and saves the recording there, as a step of the event that runs.
    void save();
    // The same, for a task that goes on once it has ended: whether the set-up was saved.
    Task<bool> saveSteps();
    // Asks which set-up, and opens it as openFile does.
    void open();
    // Runs the script at path on the window started afresh, after asking whether to throw away
    // actions that are not saved. The event that opens it goes on until the run has ended.
    void openFile(const QString& path);

    // Told of each set-up file saved, or read to be run.
    std::function<void(const QString& path)> used;
    // Takes the task an event goes on in: the window's event queue.
    std::function<void(Task<> task)> goOn;

    // The set-up a drag carries: one local file ending in ".vks".
    static std::optional<QString> setupIn(const QMimeData* data);

private:
    void goOnWith(Task<> task);
    Task<> openSteps(QString path);
    Task<> openChosenSteps();
    QString lastFolder() const;
    void rememberFolder(const QString& filePath);
    void tell(const QString& text);

    QWidget& window_;
    WindowModel& model_;
    Clock& clock_;
    Settings& settings_;
    FileDialogs& fileDialogs_;
    Messages& messages_;
    std::list<Task<>> tasks_;
};
