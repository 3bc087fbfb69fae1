// SPDX-License-Identifier: MIT
// Another program that takes drops, as a chat window or a file manager would: a window named "Drop
// target" that accepts whatever is dragged onto it and, on a drop, asks the source for the picture
// and the address at once and writes what it received to the report file.
//
//   drop_target REPORT X Y   shows the window at X, Y (300 × 300); REPORT.moves holds how many
//                            times a drag has moved over it, and each drop replaces REPORT with
//                            lines of "key value":
//     formats     the formats offered, separated by blanks
//     png-bytes   how many bytes of image/png arrived
//     png-size    the size of the picture they decode to, WxH, or "none"
//     url         the first address, or "none"
//     file        "exists" when the address is a local file that is there, "missing" otherwise
//
// Each file is written under another name and renamed onto its own, so that a reader never sees
// half of it.
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QSaveFile>
#include <QTextStream>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

class DropTarget : public QWidget {
public:
    explicit DropTarget(QString report) : report_(std::move(report)) {
        setWindowTitle(QStringLiteral("Drop target"));
        setAcceptDrops(true);
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override { event->acceptProposedAction(); }
    // The source sends the next position only once it has the answer to the last one: a second
    // move seen means that the source knows its drop is taken here.
    void dragMoveEvent(QDragMoveEvent* event) override {
        event->acceptProposedAction();
        write(report_ + QStringLiteral(".moves"), QByteArray::number(++moves_) + '\n');
    }

    void dropEvent(QDropEvent* event) override {
        const QMimeData* data = event->mimeData();
        const QByteArray png = data->data(QStringLiteral("image/png"));
        const QImage picture = QImage::fromData(png, "png");
        const QList<QUrl> urls = data->urls();
        const QUrl url = urls.isEmpty() ? QUrl() : urls.front();
        const bool fileThere = url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile();

        QString report;
        QTextStream out(&report);
        out << "formats " << data->formats().join(u' ') << '\n'
            << "png-bytes " << png.size() << '\n'
            << "png-size "
            << (picture.isNull()
                    ? QStringLiteral("none")
                    : QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height()))
            << '\n'
            << "url " << (url.isEmpty() ? QStringLiteral("none") : url.toString()) << '\n'
            << "file " << (fileThere ? "exists" : "missing") << '\n';
        out.flush();
        write(report_, report.toUtf8());
        event->acceptProposedAction();
    }

private:
    static void write(const QString& path, const QByteArray& bytes) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            std::fprintf(stderr, "drop_target: cannot write %s\n", qPrintable(path));
    }

    QString report_;
    int moves_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: drop_target REPORT X Y\n");
        return 2;
    }
    DropTarget target(QFile::decodeName(argv[1]));
    target.setGeometry(QString::fromLocal8Bit(argv[2]).toInt(),
                       QString::fromLocal8Bit(argv[3]).toInt(), 300, 300);
    target.show();
    return application.exec();
}
