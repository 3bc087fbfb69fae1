#include "records_tests.h"

#include "basic/twips.h"
#include "records/row_table.h"

#include <QGuiApplication>
#include <QTest>

QString brokenRowInvariant(const Form& form) {
    const auto shown = [&](const char* name) { return form.element(name).visible; };
    if (form.value("Check2") == 1 && form.value("Check1") != 1)
        return QStringLiteral("Check2 ticked without Check1");
    for (const RecordRow& row : recordRows) {
        const QString at = QStringLiteral(" (row %1)").arg(row.index + 1);
        const bool on = !row.enablingBox || form.value(row.enablingBox) == 1;
        const bool unanswered = form.value(row.unansweredBox) == 1;
        const RowElements& e = row.elements;
        if (row.enablingBox && form.enabled(row.unansweredBox) != on)
            return QStringLiteral("unanswered box enabled differs from its row") + at;
        if (shown(e.md1) != on || shown(e.phone3) != on || shown(e.label14) != on)
            return QStringLiteral("labels shown differ from the row") + at;
        if (shown(e.picture2) != (on && unanswered) || shown(e.picture1) != (on && !unanswered))
            return QStringLiteral("wrong icon") + at;
        if (on && form.element(e.md1).foreColor != (unanswered ? Red : Black))
            return QStringLiteral("wrong date colour") + at;
    }
    return {};
}

QRect pixelRectOf(const Form& form, const QString& element) {
    const ElementRect& r = form.element(element).rect;
    return QRect(QPoint(pixelEdge(r.left), pixelEdge(r.top)),
                 QPoint(pixelEdge(r.left + r.width) - 1, pixelEdge(r.top + r.height) - 1));
}

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    int status = 0;
    {
        TestRowCommands t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestRowMarking t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestDerivedTimes t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestRowPictures t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
