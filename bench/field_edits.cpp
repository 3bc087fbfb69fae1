// SPDX-License-Identifier: MIT
// A panel field's memory after many long edits: each round pastes 32 767 characters into the
// field as the window's paste does, then selects all and deletes it by keys. It prints nothing;
// its peak memory is what /usr/bin/time reports. "qt" makes the same edits in a plain QLineEdit,
// which keeps a record of every character of every edit, to compare.
//
//   field_edits [field|qt] [ROUNDS]     the panel's field, 3000 rounds, when not told
#include "app/panel_widgets.h"
#include "form/form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <memory>

namespace {

void press(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool plain = argc > 1 && QByteArrayView(argv[1]) == "qt";
    const int rounds = argc > 2 ? QByteArray(argv[2]).toInt() : 3000;
    std::unique_ptr<QLineEdit> field;
    FieldEdit* panelField = nullptr;
    if (plain) {
        field = std::make_unique<QLineEdit>();
    } else {
        field = std::make_unique<FieldEdit>(QString(), nullptr);
        panelField = static_cast<FieldEdit*>(field.get());
    }
    field->setMaxLength(int(Form::MaxFieldText) + 1);
    field->show();
    const QString pasted(Form::MaxFieldText, u'长');
    for (int round = 0; round < rounds; ++round) {
        if (panelField)
            panelField->pasteText(pasted);
        else
            field->insert(pasted);
        press(*field, Qt::Key_A, Qt::ControlModifier);
        press(*field, Qt::Key_Delete);
    }
    return field->text().isEmpty() ? 0 : 1;
}
