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
};

QString errorText(ErrorKind kind);

class CommandError : public std::exception {
public:
    explicit CommandError(ErrorKind kind, QString field = {});

    ErrorKind kind() const { return kind_; }
    // The settings field (or element) whose content caused the error; empty when unknown.
    const QString& field() const { return field_; }
    // The same error, blamed on a field, unless a field is already named.
    CommandError blame(const QString& field) const;
    // The text shown to the user: the error's name, then the field it came from.
    QString message() const;
    const char* what() const noexcept override { return what_.c_str(); }

private:
    ErrorKind kind_;
    QString field_;
    std::string what_;
};
