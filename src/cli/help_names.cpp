// SPDX-License-Identifier: MIT
#include "help_names.h"

#include "records/row_table.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace {

constexpr int HelpWidth = 80;
// Where the names start, after the captions at the left of the panel's lines.
constexpr int NamesColumn = 19;

bool wide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// What a text field holds, where no caption says it.
QString holds(FieldInput input) {
    switch (input) {
    case FieldInput::Percent:
        return QStringLiteral("percent");
    case FieldInput::TimeOfDay:
        return QStringLiteral("time");
    case FieldInput::Minutes:
        return QStringLiteral("minutes");
    case FieldInput::Seconds:
        return QStringLiteral("seconds");
    case FieldInput::Month:
        return QStringLiteral("month");
    case FieldInput::Day:
        return QStringLiteral("day");
    case FieldInput::ColourComponent:
        return QStringLiteral("colour");
    case FieldInput::FreeText:
        break;
    }
    return QStringLiteral("text");
}

// The call record a control belongs to, counted from 0.
std::optional<int> recordOf(ControlId id) {
    for (int i = 0; i < int(recordRows.size()); ++i) {
        const RecordRow& row = recordRows[std::size_t(i)];
        const RowFields& f = row.fields;
        const RowButtons& b = row.buttons;
        for (const ControlId member :
             {f.month, f.day, f.time, f.minutes, f.seconds, b.today, b.submitDateTime, b.now,
              b.plusSeven, b.submitDuration, row.unansweredBox})
            if (member == id)
                return i;
        if (row.enablingBox == id)
            return i;
    }
    return std::nullopt;
}

class NamesWriter {
public:
    explicit NamesWriter(const WindowDefinition& window) : window_(window) {}

    QString write() {
        out_ = QStringLiteral("Names, from the top of the settings panel:\n");
        std::optional<int> record;
        for (const std::vector<const PanelControl*>& line : panelLines()) {
            // A caption at the left that answers nothing names the line; the others are controls.
            const PanelControl& first = *line.front();
            const bool captioned = first.kind == ControlKind::Label && !answersAnything(first.id);
            QString caption = captioned ? captionOf(first) : QString();
            if (caption.endsWith(u'：'))
                caption.chop(1);
            const QStringList items = lineItems(line, captioned);
            if (items.isEmpty())
                continue;
            // A call record's lines stand under its number, which a line without a caption of
            // its own takes for one.
            QString lead = QStringLiteral("  ");
            const std::optional<int> lineRecord = recordOfLine(line);
            if (lineRecord && lineRecord != record) {
                record = lineRecord;
                const QString header = lead + QStringLiteral("通话记录%1").arg(*lineRecord + 1);
                if (caption.isEmpty()) {
                    appendWrapped(header, items);
                    continue;
                }
                appendWrapped(header, {});
            }
            if (lineRecord)
                lead += QStringLiteral("  ");
            appendWrapped(lead + caption, items);
        }
        QStringList elements;
        for (const ScreenElement& e : window_.elements)
            if (answersAnything(e.id))
                elements.append(e.name + bindingNotes(e.id));
        if (!elements.isEmpty())
            appendWrapped(QStringLiteral("  phone screen"), elements);
        return out_;
    }

private:
    // The panel's controls in lines of one top edge, from the top; each line from the left.
    std::vector<std::vector<const PanelControl*>> panelLines() const {
        std::map<float, std::vector<const PanelControl*>> byTop;
        for (const PanelControl& c : window_.controls)
            if (c.kind != ControlKind::Line)
                byTop[c.rect.top].push_back(&c);
        std::vector<std::vector<const PanelControl*>> lines;
        for (auto& [top, line] : byTop) {
            std::stable_sort(line.begin(), line.end(), [](const auto* a, const auto* b) {
                return a->rect.left < b->rect.left;
            });
            lines.push_back(std::move(line));
        }
        return lines;
    }

    static std::optional<int> recordOfLine(const std::vector<const PanelControl*>& line) {
        for (const PanelControl* c : line)
            if (const std::optional<int> record = recordOf(c->id))
                return record;
        return std::nullopt;
    }

    static QString captionOf(const PanelControl& c) { return QString::fromUtf8(c.text).trimmed(); }

    bool answersAnything(EventTarget target) const {
        return std::any_of(window_.events.begin(), window_.events.end(),
                           [&](const EventBinding& b) { return b.target == target; });
    }

    // What the binding table says of the events of a control or element: " (double-click empties
    // it)".
    QString bindingNotes(EventTarget target) const {
        QString notes;
        for (const EventBinding& b : window_.events)
            if (b.target == target && b.help)
                notes += QStringLiteral(" (%1%2)").arg(
                    b.event == EventKind::DblClick ? QStringLiteral("double-click ") : QString(),
                    QString::fromUtf8(b.help));
        return notes;
    }

    // Every control a script can use, by its caption; a text field by what it holds where the
    // line's caption does not say it alone.
    QStringList lineItems(const std::vector<const PanelControl*>& line, bool captioned) const {
        std::vector<FieldInput> kinds;
        for (const PanelControl* c : line)
            if (c->kind == ControlKind::TextField &&
                std::find(kinds.begin(), kinds.end(), c->input) == kinds.end())
                kinds.push_back(c->input);
        const bool sayWhatFieldsHold = !captioned || kinds.size() > 1;
        QStringList items;
        for (const PanelControl* c : line) {
            const QString name = QString::fromLatin1(c->name);
            const QString notes = bindingNotes(c->id);
            switch (c->kind) {
            case ControlKind::TextField:
                items.append((sayWhatFieldsHold ? holds(c->input) + u' ' : QString()) + name +
                             notes);
                break;
            case ControlKind::Label:
                if (c == line.front() && captioned)
                    break;
                if (answersAnything(c->id))
                    items.append(captionOf(*c) + u' ' + name + notes);
                break;
            case ControlKind::Button:
            case ControlKind::CheckBox:
                items.append(captionOf(*c) + u' ' + name + notes);
                break;
            case ControlKind::Line:
                break;
            }
        }
        return items;
    }

    // The lead in the caption column, the items from the names column on, separated by commas.
    // A line breaks between items, or between the words of one too long for a line of its own.
    void appendWrapped(const QString& lead, const QStringList& items) {
        QStringList pieces;
        for (qsizetype i = 0; i < items.size(); ++i) {
            const QString item = i + 1 < items.size() ? items[i] + u',' : items[i];
            if (terminalColumns(item) <= HelpWidth - NamesColumn)
                pieces.append(item);
            else
                pieces.append(item.split(u' ', Qt::SkipEmptyParts));
        }
        QString line = lead;
        int width = terminalColumns(lead);
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            const int pieceWidth = terminalColumns(pieces[i]);
            if (i == 0) {
                const int pad = std::max(NamesColumn - width, 1);
                line += QString(pad, u' ');
                width += pad;
            } else if (width + 1 + pieceWidth > HelpWidth) {
                out_ += line + u'\n';
                line = QString(NamesColumn, u' ');
                width = NamesColumn;
            } else {
                line += u' ';
                ++width;
            }
            line += pieces[i];
            width += pieceWidth;
        }
        out_ += line + u'\n';
    }

    const WindowDefinition& window_;
    QString out_;
};

} // namespace

int terminalColumns(QStringView text) {
    int columns = 0;
    for (const char32_t c : text.toUcs4())
        columns += wide(c) ? 2 : 1;
    return columns;
}

QString helpNames(const WindowDefinition& window) {
    return NamesWriter(window).write();
}
