// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <exception>
#include <string>

// The failures a command can run into. Each stops the command that raised it; the program goes on
// and tells the user with the platform's own words for the error.
enum class ErrorKind {
    TypeMismatch,
    Overflow,
    SubscriptOutOfRange,
    InvalidPropertyValue,
    ClipboardNoAnswer, // the program that holds the clipboard did not answer in time
    TextTooLong,       // a text longer than a field holds
    Internal,          // a failure the commands do not foresee: a fault of the program
};

QString errorText(ErrorKind kind);

class CommandError : public std::exception {
public:
    // field is the name of the settings field whose content caused the error, as scripts write it
    // ("Text8"); label is the name the window shows for it ("通话记录1的通话时长（秒）"); accepts
    // says what the field takes, with an example ("应填写时:分（例如 9:05）"), when it takes
    // something in particular.
    explicit CommandError(ErrorKind kind, QString field = {}, QString label = {},
                          QString accepts = {});

    ErrorKind kind() const { return kind_; }
    // Empty when no field is to blame.
    const QString& field() const { return field_; }
    const QString& label() const { return label_; }
    const QString& accepts() const { return accepts_; }
    // A failure the commands do not foresee, met while doing what doing says ("Command6_Click");
    // cause is what the failure itself says, when it says anything.
    static CommandError internal(const QString& doing, const QString& cause);

    // The same error, blamed on a field, unless a field is already named.
    CommandError blame(const QString& field, const QString& label,
                       const QString& accepts = {}) const;
    // The text shown to the user: the error's name on the first line, then the field to mend, by
    // its label, and what to type into it.
    QString message() const;
    // The second line of the message alone; empty when no field is to blame.
    QString advice() const;
    const char* what() const noexcept override { return what_.c_str(); }

private:
    ErrorKind kind_;
    QString field_;
    QString label_;
    QString accepts_;
    // What an internal error interrupted, and why.
    QString doing_;
    QString cause_;
    std::string what_;
};
