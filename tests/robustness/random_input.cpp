// SPDX-License-Identifier: MIT
#include "random_input.h"

#include <QColor>
#include <algorithm>
#include <cstring>

namespace {

// Lists of texts, written as one literal with "|" between them; none of the texts holds one.
QStringList texts(const char16_t* joined) {
    return QString::fromUtf16(joined).split(u'|');
}

// Texts at the edges of what the conversions take: the 16- and 32-bit limits and the halves the
// rounding sends either way, doubles that overflow or underflow, the spellings a conversion might
// half-accept, and digits that are not ASCII.
const QStringList NumberEdges =
    texts(u"0|-0|+0|1|-1|0.5|1.5|2.5|-0.5|-2.5|.5|5.|255|256|32767|32768|-32768|-32769|32767.5|"
          u"-32768.5|32766.5|65535|2147483647|2147483648|-2147483649|9223372036854775808|1e308|"
          u"-1e308|1e400|-1e400|1e-400|4.9e-324|1.7976931348623157e308|1e3|1E+2|1e-2|1d2|&H10|"
          u"&O17|0x10|NaN|nan|inf|-inf|Infinity| 5 |5 5|--5|+-5|1e|e5|1.2.3|1,5|١٢٣|１２|𝟏𝟐|5%|%|"
          u"100%|-5%");

// Texts of the shapes the commands split and search: times of day, durations, percentages,
// "响铃" where a caption may already hold it, and blanks.
const QStringList ShapeEdges =
    texts(u"| |   |\t|9:5|23:59|0:00|0:01|0:02|0:03|24:00|:|::|1:2:3|a:b|-1:-1|9:|:5|"
          u"99999:99999|1e308:1e308|1e400:5|2.5:2.5|９：０５|9：05|响铃|响铃34秒|34响铃|响铃响铃|"
          u"响|铃|1分11秒|%%|92％|广东湛江 移动|138 0013 8000|13800138000|１３８００１３８０００|"
          u"+86 138-0013-8000");

// Number texts that try to leave the folder, or that a file system takes badly.
const QStringList FileNameEdges = texts(u"/|..|.|../escape|a/b|/tmp/escape|..\\x|~|*|?|con|a\nb|"
                                        u"-rf|.hidden|名字 带 空格|\\|a\tb|....");

// The characters random texts are made of: the ones the commands look for, the ones that break
// naive text handling, and the two halves of a UTF-16 surrogate pair on their own.
const QString Alphabet =
    QString::fromUtf16(u"0125.-+eE:% \t\n\r\x01\x1b\x7f/\\aZ&H响铃秒分月日：％０９－．　\x85"
                       u"\u2028\u200b\u202e\ufeff\ufffd\uffff\u0301中") +
    QChar(u'\0') + QChar(0xd800) + QChar(0xdbff) + QChar(0xdc00) + QChar(0xdfff);

// The heights the window image can have.
constexpr int WindowHeights[] = {854, 855, 1015};

constexpr QImage::Format PictureFormats[] = {
    QImage::Format_RGB32,    QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
    QImage::Format_RGB16,    QImage::Format_RGB888, QImage::Format_Grayscale8,
    QImage::Format_Indexed8, QImage::Format_Mono};

} // namespace

QString RandomInput::number() {
    QString text;
    if (below(4) == 0)
        text += below(2) ? u'-' : u'+';
    switch (below(4)) {
    case 0:
        text += QString::number(below(100));
        break;
    case 1:
        text += QString::number(below(70000));
        break;
    case 2:
        text += QString::number(engine_());
        break;
    default:
        text += QString::number(below(1000)) + u'.' + QString::number(below(1000));
        break;
    }
    if (below(6) == 0)
        text += QStringLiteral("e") + QString::number(int(below(800)) - 400);
    return text;
}

QString RandomInput::characters(int length) {
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text += pick(Alphabet);
    return text;
}

QString RandomInput::fieldText() {
    switch (below(20)) {
    case 0:
    case 1:
    case 2:
    case 3:
        return pick(NumberEdges);
    case 4:
    case 5:
    case 6:
        return pick(ShapeEdges);
    case 7:
    case 8:
    case 9:
        return number();
    case 10:
    case 11:
        return number() + u':' + number();
    case 12:
        return number() + u'%';
    case 13:
    case 14:
        return characters(int(below(12)));
    case 15:
        return fieldText() + fieldText();
    case 16:
        return QStringLiteral("响铃") + number();
    case 17:
        return fileNameText();
    case 18:
        return below(2) ? QString(10000, u'9') : characters(10000);
    default:
        return QChar(char16_t(u'0' + below(10))) + characters(1);
    }
}

QString RandomInput::fileNameText() {
    switch (below(5)) {
    case 0:
        return pick(FileNameEdges);
    case 1:
        // NUL anywhere: a C string would end there and name another file.
        return number() + QChar(u'\0') + QStringLiteral("x");
    case 2:
        return QString(int(below(400)) + 1, u'8');
    case 3:
        return characters(int(below(8)) + 1);
    default:
        return number();
    }
}

QImage RandomInput::picture() {
    if (below(4) == 0)
        return {};
    int width = 1, height = 1;
    switch (below(4)) {
    case 0:
        break;
    case 1:
        width = 524, height = WindowHeights[below(std::size(WindowHeights))];
        break;
    default:
        width = int(below(700)) + 1, height = int(below(1100)) + 1;
        break;
    }
    QImage image(width, height, pick(PictureFormats));
    if (image.format() == QImage::Format_Indexed8) {
        image.setColorCount(256);
        for (int i = 0; i < 256; ++i)
            image.setColor(i, qRgb(i, 255 - i, i / 2));
    } else if (image.format() == QImage::Format_Mono) {
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    }
    // Noise is the hardest content for the encoder; rows of it are enough.
    for (int y = 0; y < height; y += int(below(8)) + 1) {
        uchar* row = image.scanLine(y);
        for (qsizetype i = 0; i < image.bytesPerLine(); i += 8) {
            const std::uint64_t bits = engine_();
            std::memcpy(row + i, &bits, std::min<qsizetype>(8, image.bytesPerLine() - i));
        }
    }
    return image;
}

QDateTime RandomInput::moment() {
    static const QDateTime edges[] = {
        QDateTime(QDate(2024, 10, 14), QTime(0, 0, 0)),
        QDateTime(QDate(2024, 10, 14), QTime(0, 1, 0)),
        QDateTime(QDate(2024, 10, 14), QTime(0, 2, 59)),
        QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59)),
        QDateTime(QDate(2024, 2, 29), QTime(12, 0, 0)),
        QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59)),
        QDateTime(QDate(1, 1, 1), QTime(0, 0, 0)),
        QDateTime(QDate(1970, 1, 1), QTime(0, 0, 0)),
    };
    if (below(3) == 0)
        return pick(edges);
    const QDate day = QDate(1900, 1, 1).addDays(qint64(below(200 * 366)));
    return QDateTime(day, QTime(0, 0).addSecs(int(below(24 * 3600))));
}

int RandomInput::screenHeight() {
    static const int heights[] = {480, 768, 854, 1014, 1015, 1016, 1080, 2160};
    return below(2) ? pick(heights) : 400 + int(below(2000));
}

QString printable(const QString& text) {
    constexpr qsizetype Shown = 60;
    QString shown;
    for (const QChar c : text.left(Shown)) {
        if (c.isPrint() && !c.isSurrogate())
            shown += c;
        else
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    }
    if (text.size() > Shown)
        shown += QStringLiteral("…(%1 characters)").arg(text.size());
    return u'"' + shown + u'"';
}
