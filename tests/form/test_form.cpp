// SPDX-License-Identifier: MIT
#include "basic/command_error.h"
#include "form/form.h"
#include "support/fake_services.h"
#include "support/run_tests.h"
#include "window/window_definition.h"

#include <QObject>
#include <QTest>
#include <new>
#include <stdexcept>
#include <vector>

class TestForm : public QObject {
    Q_OBJECT

private slots:
    void unexpectedFailureBecomesAMessage_data();
    void unexpectedFailureBecomesAMessage();
};

namespace {

// What the faulty handler below throws.
enum class Thrown { RuntimeError, BadAlloc, Integer };
Thrown thrown = Thrown::RuntimeError;

void faultyHandler(Form& form) {
    // A first write, to show that it stays written, as after a command's own error.
    form.setCaption(QStringLiteral("half done"));
    switch (thrown) {
    case Thrown::RuntimeError:
        throw std::runtime_error("the disk is on fire");
    case Thrown::BadAlloc:
        throw std::bad_alloc();
    case Thrown::Integer:
        throw 7;
    }
}

// The window's definition with one handler replaced by a faulty one.
struct FaultyWindow {
    std::vector<EventBinding> events;
    WindowDefinition definition;

    explicit FaultyWindow(ControlId faulty) : definition(windowDefinition()) {
        for (EventBinding binding : windowDefinition().events) {
            if (binding.event == EventKind::Click && binding.target == EventTarget(faulty))
                binding.handler = faultyHandler;
            events.push_back(binding);
        }
        definition.events = events;
    }
};

} // namespace

Q_DECLARE_METATYPE(Thrown)

// Whatever a handler throws stops at the form's event boundary: the user reads an internal error
// that says what was being done, what the handler wrote stays, and the window goes on working.
void TestForm::unexpectedFailureBecomesAMessage_data() {
    QTest::addColumn<ControlId>("control");
    QTest::addColumn<Thrown>("thrown");
    QTest::addColumn<QString>("message");
    QTest::newRow("button, standard exception")
        << ControlId::NumberSubmitButton << Thrown::RuntimeError
        << QStringLiteral("内部错误：Command6_Click没有做完（the disk is on fire）");
    QTest::newRow("button, out of memory")
        << ControlId::NumberSubmitButton << Thrown::BadAlloc
        << QStringLiteral("内部错误：Command6_Click没有做完（std::bad_alloc）");
    QTest::newRow("check box, anything else") << ControlId::Row2EnableBox << Thrown::Integer
                                              << QStringLiteral("内部错误：Check1_Click没有做完");
}

void TestForm::unexpectedFailureBecomesAMessage() {
    QFETCH(ControlId, control);
    QFETCH(Thrown, thrown);
    QFETCH(QString, message);
    ::thrown = thrown;
    const FaultyWindow faulty(control);
    FakeServices platform;
    UserMessages messages(platform.messages);
    Form form(platform.services(), faulty.definition, messages);
    form.start();

    form.click(control);
    QCOMPARE(platform.messages.shown.size(), 1);
    QCOMPARE(platform.messages.shown[0], message);
    QCOMPARE(form.caption(), QStringLiteral("half done"));

    // The next event runs as ever.
    form.setText(ControlId::BatteryField, QStringLiteral("50"));
    form.click(ControlId::BatterySubmitButton);
    QCOMPARE(form.element(ElementId::BatteryText).caption, QStringLiteral("50%"));
    QCOMPARE(platform.messages.shown.size(), 1);
}

VOKARELO_TEST_MAIN(TestForm)
#include "test_form.moc"
