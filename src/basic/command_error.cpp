// SPDX-License-Identifier: MIT
#include "command_error.h"

QString errorText(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return QStringLiteral("类型不匹配");
    case ErrorKind::Overflow:
        return QStringLiteral("溢出");
    case ErrorKind::SubscriptOutOfRange:
        return QStringLiteral("下标越界");
    case ErrorKind::InvalidPropertyValue:
        return QStringLiteral("无效的属性值");
    case ErrorKind::ClipboardNoAnswer:
        return QStringLiteral("剪贴板没有响应");
    case ErrorKind::TextTooLong:
        return QStringLiteral("文字太长");
    case ErrorKind::Internal:
        return QStringLiteral("内部错误");
    }
    return {};
}

CommandError::CommandError(ErrorKind kind, QString field, QString label, QString accepts)
    : kind_(kind), field_(std::move(field)), label_(std::move(label)), accepts_(std::move(accepts)),
      what_(message().toStdString()) {}

CommandError CommandError::internal(const QString& doing, const QString& cause) {
    CommandError error(ErrorKind::Internal);
    error.doing_ = doing;
    error.cause_ = cause;
    error.what_ = error.message().toStdString();
    return error;
}

CommandError CommandError::blame(const QString& field, const QString& label,
                                 const QString& accepts) const {
    return field_.isEmpty() && kind_ != ErrorKind::Internal
               ? CommandError(kind_, field, label, accepts)
               : *this;
}

QString CommandError::advice() const {
    const QString& shown = label_.isEmpty() ? field_ : label_;
    if (kind_ == ErrorKind::Internal || shown.isEmpty())
        return {};
    if (accepts_.isEmpty())
        return QStringLiteral("请检查“%1”中填写的内容。").arg(shown);
    return QStringLiteral("“%1”%2。").arg(shown, accepts_);
}

QString CommandError::message() const {
    QString text = errorText(kind_);
    if (kind_ == ErrorKind::Internal) {
        // One line, so that a script run can print it after its line number.
        if (!doing_.isEmpty())
            text += QStringLiteral("：%1没有做完").arg(doing_);
        if (!cause_.isEmpty())
            text += QStringLiteral("（%1）").arg(cause_);
        return text;
    }
    if (const QString advised = advice(); !advised.isEmpty())
        text += u'\n' + advised;
    return text;
}
