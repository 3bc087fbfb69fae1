// SPDX-License-Identifier: MIT
#include "texts/file_failures.h"

#include <QTest>
#include <cerrno>
#include <cstring>

Q_DECLARE_METATYPE(WriteFailure)

namespace {

QString systemWords(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

} // namespace

class TestFileFailures : public QObject {
    Q_OBJECT

private slots:
    // Every way the writer fails, as the terminal and the window each say it: the terminal keeps
    // the system's words, the window has its own that say what to mend.
    void writeFailures_data() {
        using Kind = WriteFailure::Kind;
        using NameFault = WriteFailure::NameFault;
        QTest::addColumn<WriteFailure>("failure");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("NUL in the name")
            << WriteFailure{.kind = Kind::InvalidName, .nameFault = NameFault::NulCharacter}
            << "the name holds a NUL character, which would end it early"
            << "文件名无效";
        QTest::newRow("half of a pair")
            << WriteFailure{.kind = Kind::InvalidName, .nameFault = NameFault::HalfPair}
            << "the name holds half of a UTF-16 pair, which no file name can spell"
            << "文件名无效";
        QTest::newRow("not a name in the folder")
            << WriteFailure{.kind = Kind::InvalidName, .nameFault = NameFault::NotInFolder}
            << "the name is not that of a file in the folder"
            << "文件名无效";
        QTest::newRow("read-only")
            << WriteFailure{.kind = Kind::ReadOnlyFile, .entry = EntryKind::ReadOnlyFile}
            << "the file is read-only and may not be replaced"
            << "文件是只读的";
        QTest::newRow("link") << WriteFailure{.kind = Kind::NotARegularFile,
                                              .entry = EntryKind::SymbolicLink}
                              << "the name belongs to a symbolic link, not a file"
                              << "同名的是一个链接，不会写到它指向的地方";
        QTest::newRow("folder") << WriteFailure{.kind = Kind::NotARegularFile,
                                                .entry = EntryKind::Directory}
                                << "the name belongs to a folder, not a file"
                                << "同名的是一个文件夹";
        QTest::newRow("FIFO") << WriteFailure{.kind = Kind::NotARegularFile,
                                              .entry = EntryKind::Fifo}
                              << "the name belongs to a FIFO, not a file"
                              << "同名的不是普通文件";
        QTest::newRow("socket") << WriteFailure{.kind = Kind::NotARegularFile,
                                                .entry = EntryKind::Socket}
                                << "the name belongs to a socket, not a file"
                                << "同名的不是普通文件";
        QTest::newRow("something else")
            << WriteFailure{.kind = Kind::NotARegularFile, .entry = EntryKind::Other}
            << "the name belongs to something other than a file, not a file"
            << "同名的不是普通文件";
        QTest::newRow("too wide for JPEG")
            << WriteFailure{.kind = Kind::TooLargeForFormat, .pictureSize = QSize(70000, 12)}
            << "the picture is 70000 × 12 pixels; JPEG holds at most 65500 on either side"
            << "图片太大，JPEG 每边最多 65500 像素";
        QTest::newRow("encoder") << WriteFailure{.kind = Kind::EncodingFailed,
                                                 .text = "Unable to write image"}
                                 << "Unable to write image"
                                 << "无法把图片编码为 JPEG";
        QTest::newRow("disk full") << WriteFailure{.kind = Kind::FileSystem,
                                                   .text = systemWords(ENOSPC),
                                                   .errorNumber = ENOSPC}
                                   << systemWords(ENOSPC) << "磁盘空间不足";
        QTest::newRow("declined") << WriteFailure{.kind = Kind::FileSystem,
                                                  .text = declinedWriteError().text,
                                                  .errorNumber = declinedWriteError().errorNumber}
                                  << "the user did not agree to the write"
                                  << "没有同意写入这个文件";
        QTest::newRow("an error without words of the program's")
            << WriteFailure{.kind = Kind::FileSystem,
                            .text = systemWords(ETXTBSY),
                            .errorNumber = ETXTBSY}
            << systemWords(ETXTBSY)
            << QStringLiteral("无法写入文件（%1）").arg(systemWords(ETXTBSY));
        QTest::newRow("nothing taken")
            << WriteFailure{.kind = Kind::NothingTaken} << "the system took no more bytes"
            << "无法写入文件（the system took no more bytes）";
        QTest::newRow("short file")
            << WriteFailure{.kind = Kind::ShortFile, .sizeOnDisk = 5000, .sizeMeant = 38559}
            << "the file came out 5000 of its 38559 bytes long"
            << "文件没有完整写入磁盘，磁盘空间可能不足";
    }
    void writeFailures() {
        QFETCH(WriteFailure, failure);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        const BilingualText text = writeFailureText(failure);
        QCOMPARE(text.english, english);
        QCOMPARE(text.chinese, chinese);
    }

    // A name from outside is quoted as it is: a "%2" in it is part of the name, never a place for
    // the line number or the reason.
    void namesAreQuotedAsTheyAre_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "setup.vks";
        QTest::newRow("percent two") << "a%2b.vks";
        QTest::newRow("percent one and three") << "%1%3.vks";
    }
    void namesAreQuotedAsTheyAre() {
        QFETCH(QString, name);
        const BilingualText line =
            scriptLineNotReadText(name, 7, {"Input/output error", "输入/输出错误"});
        QCOMPARE(line.english, "cannot read " + name + " at line 7: Input/output error");
        QCOMPARE(line.chinese, "无法读取" + name + "的第7行：输入/输出错误");
        const BilingualText whole = fileNotReadText(name, "%1 is gone");
        QCOMPARE(whole.english, "cannot read " + name + ": %1 is gone");
        QCOMPARE(whole.chinese, "无法读取" + name + "：%1 is gone");
        const BilingualText unwritten = pictureNotWrittenText(
            name, {.kind = WriteFailure::Kind::ReadOnlyFile, .entry = EntryKind::ReadOnlyFile});
        QCOMPARE(unwritten.english, "cannot write " + name +
                                        ": the file is read-only and may not "
                                        "be replaced");
        QCOMPARE(unwritten.chinese, "无法写入" + name + "：文件是只读的");
    }

    // A folder that could not be made says which, and why in the window's words.
    void folderNotMade() {
        QCOMPARE(folderNotMadeText("/home/u/图片/Vokarelo", {EROFS, systemWords(EROFS)}),
                 "无法建立文件夹/home/u/图片/Vokarelo：文件夹所在的磁盘是只读的");
    }
};

QTEST_GUILESS_MAIN(TestFileFailures)
#include "test_file_failures.moc"
