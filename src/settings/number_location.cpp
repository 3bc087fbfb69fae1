#include "number_location.h"

#include "basic/command_error.h"
#include "basic/conversions.h"
#include "screen/form.h"

#include <string>

namespace {

const QString Number = QStringLiteral("Text3");
const QString Location = QStringLiteral("Text4");

// The clipboard's text into a field, then submitted; a clipboard without text changes nothing,
// and one whose owner did not answer says so.
void paste(Form& form, const QString& field, Handler submit) {
    const ClipboardText clipboard = form.platform().clipboardText();
    if (clipboard.read == ClipboardRead::NoAnswer)
        throw CommandError(ErrorKind::ClipboardNoAnswer);
    if (clipboard.text.isEmpty())
        return;
    form.setText(field, clipboard.text);
    submit(form);
}

} // namespace

QString shownNumber(const QString& typed) {
    // Counted and cut in whole characters, so that a character beyond the basic plane is never
    // split into a broken half.
    const std::u32string c = removeAll(typed, QStringLiteral(" ")).toStdU32String();
    const auto part = [&c](std::size_t from, std::size_t length) {
        return QString::fromStdU32String(c.substr(from, length));
    };
    if (c.size() == 11 && c.front() == U'1')
        return part(0, 3) + u' ' + part(3, 4) + u' ' + part(7, 4);
    if (c.size() == 11 && c.front() == U'0')
        return part(0, 4) + u' ' + part(4, 7);
    return QString::fromStdU32String(c);
}

void Command6_Click(Form& form) {
    const QString shown = shownNumber(form.text(Number));
    // Hidden rows keep the number too, so that switching a row on shows the current one.
    for (const QString& label : {QStringLiteral("phone1"), QStringLiteral("phone2"),
                                 indexed("phone3", 0), indexed("phone3", 1), indexed("phone3", 2)})
        form.element(label).caption = shown;
}

void Command5_Click(Form& form) {
    paste(form, Number, Command6_Click);
}

void Command8_Click(Form& form) {
    form.element(QStringLiteral("yys")).caption = form.text(Location);
}

void Command7_Click(Form& form) {
    paste(form, Location, Command8_Click);
}

void Text3_DblClick(Form& form) {
    form.setText(Number, QString());
}
