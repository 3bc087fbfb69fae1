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
    case ErrorKind::Internal:
        return QStringLiteral("内部错误");
    }
    return {};
}

CommandError::CommandError(ErrorKind kind, QString field, QString label)
    : kind_(kind), field_(std::move(field)), label_(std::move(label)),
      what_(message().toStdString()) {}

CommandError CommandError::internal(const QString& doing, const QString& cause) {
    CommandError error(ErrorKind::Internal);
    error.doing_ = doing;
    error.cause_ = cause;
    error.what_ = error.message().toStdString();
    return error;
}

CommandError CommandError::blame(const QString& field, const QString& label) const {
    return field_.isEmpty() && kind_ != ErrorKind::Internal ? CommandError(kind_, field, label)
                                                            : *this;
}

QString CommandError::message() const {
    if (kind_ == ErrorKind::Internal) {
        // One line, so that a script run can print it after its line number.
        QString text = errorText(kind_);
        if (!doing_.isEmpty())
            text += QStringLiteral("：%1没有做完").arg(doing_);
        if (!cause_.isEmpty())
            text += QStringLiteral("（%1）").arg(cause_);
        return text;
    }
    const QString& shown = label_.isEmpty() ? field_ : label_;
    if (shown.isEmpty())
        return errorText(kind_);
    return QStringLiteral("%1\n\n请检查“%2”中填写的内容。").arg(errorText(kind_), shown);
}
