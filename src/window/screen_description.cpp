// SPDX-License-Identifier: MIT
#include "screen_description.h"

#include "form/form.h"
#include "records/row_table.h"

#include <QStringList>
#include <algorithm>

namespace {

// More than a line of the phone screen holds: what lies beyond is not seen either.
constexpr qsizetype MostCharacters = 100;

bool directionControl(char32_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
           c == 0x200F || c == 0x061C;
}

// A caption as one stretch of speech: line breaks and other control characters a blank, direction
// controls left out, which would otherwise reorder the rest of the description.
QString spoken(const QString& caption) {
    QString text;
    text.reserve(std::min(caption.size(), MostCharacters + 1));
    for (const char32_t c : QStringView(caption).toUcs4()) {
        if (text.size() >= MostCharacters) {
            text += u'…';
            break;
        }
        if (directionControl(c))
            continue;
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            text += u' ';
        else
            text += QString::fromUcs4(&c, 1);
    }
    return text.simplified();
}

// The element's caption when it is shown and says something.
QString shown(const Form& form, ElementId id) {
    const ScreenElement& element = form.element(id);
    return element.visible ? spoken(element.caption) : QString();
}

// The parts that say something, joined by commas and ended as a sentence; nothing when none does.
QString sentence(QString lead, const QStringList& parts) {
    QStringList said;
    for (const QString& part : parts)
        if (!part.isEmpty())
            said.append(part);
    if (said.isEmpty())
        return {};
    return lead + said.join(u'，') + u'。';
}

QString labelled(const QString& label, const QString& value) {
    return value.isEmpty() ? QString() : label + u' ' + value;
}

} // namespace

QString phoneScreenDescription(const Form& form) {
    QString text =
        sentence({}, {labelled(QStringLiteral("时间"), shown(form, ElementId::ClockText)),
                      labelled(QStringLiteral("电量"), shown(form, ElementId::BatteryText))});
    text += sentence(QStringLiteral("号码 "), {shown(form, ElementId::NumberLarge)});
    text += sentence({}, {shown(form, ElementId::NumberLine), shown(form, ElementId::Location)});
    for (std::size_t i = 0; i < recordRows.size(); ++i) {
        const RowElements& row = recordRows[i].elements;
        QString answered;
        if (form.element(row.missedIcon).visible)
            answered = QStringLiteral("未接通");
        else if (form.element(row.callIcon).visible)
            answered = QStringLiteral("已接通");
        const QStringList parts = {shown(form, row.dateTime), shown(form, row.number),
                                   shown(form, row.duration)};
        if (std::all_of(parts.begin(), parts.end(), [](const QString& p) { return p.isEmpty(); }))
            continue;
        text += sentence(QStringLiteral("通话记录%1：").arg(i + 1),
                         {parts[0], parts[1], answered, parts[2]});
    }
    return text;
}
