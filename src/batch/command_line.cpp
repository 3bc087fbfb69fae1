#include "command_line.h"

#include <algorithm>

namespace {

const QString ScriptOption = QStringLiteral("--script");

bool isHelp(const QString& argument) {
    return argument == u"--help" || argument == u"-h";
}

bool isOurs(const QString& argument) {
    return isHelp(argument) || argument == ScriptOption || argument.startsWith(ScriptOption + u'=');
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    using Mode = CommandLine::Mode;
    if (std::none_of(arguments.begin(), arguments.end(), isOurs))
        return {};
    if (arguments.size() == 1 && isHelp(arguments[0]))
        return {Mode::Help, {}, {}};

    QStringList rest = arguments;
    QString path;
    if (rest[0].startsWith(ScriptOption + u'=')) {
        path = rest.takeFirst().mid(ScriptOption.size() + 1);
    } else if (rest[0] == ScriptOption) {
        rest.removeFirst();
        if (!rest.isEmpty())
            path = rest.takeFirst();
    } else {
        return {Mode::Invalid, {}, QStringLiteral("unexpected argument %1").arg(rest[0])};
    }
    if (path.isEmpty())
        return {Mode::Invalid,
                {},
                QStringLiteral("--script needs a file name, or - for standard input")};
    if (!rest.isEmpty())
        return {Mode::Invalid, {}, QStringLiteral("unexpected argument %1").arg(rest[0])};
    return {Mode::Script, path, {}};
}

QString helpText() {
    return QStringLiteral(R"(Usage:
  vokarelo                  open the window
  vokarelo --script FILE    make pictures from a script, without a window or a display
  vokarelo --script -       the same, reading the script from standard input
  vokarelo --help           show this text

A script runs on the window as the program opens it (wide, every field at its
default), one action a line, from the top. It is UTF-8 text; lines end in LF or
CR LF. Blank lines are skipped, and a line whose first character other than
blanks is # is a comment.

  NAME = TEXT       Type TEXT into the text field NAME (Text1 ... Text22), as the
                    user types, without submitting it. TEXT is the rest of the line
                    after "=" and the one blank that follows it; every other
                    character is kept, blanks and # included. Escapes: \n is a line
                    feed, \r a carriage return, \\ a backslash; any other backslash
                    is an error.
  NAME              Click the control or phone-screen element NAME: a button
                    (Command6), a check box (Check2; the click ticks or clears it),
                    a label (Label30) or an element (Image2, the back arrow).
  dblclick NAME     Double-click the text field NAME (Text3, Text7, Text13, Text17,
                    Text21 and Text22 have double-click commands).
  now DATE TIME     Fix the clock from this line on, e.g. now 2024-10-14 9:32:05
                    (the seconds may be left out). Commands that read the clock
                    (现在, 今天, 手机时间加此时长, the capture) then give the same
                    result on every run; until then the system clock runs.
  save PATH         Write the picture as the capture takes it at this moment: the
                    phone screen, 524 pixels wide and as high as the window is then.
                    PNG when PATH ends in .png, otherwise JPEG at quality 75. PATH is
                    the rest of the line, relative to the current folder; an
                    existing file is replaced only by a complete new one.

Every click and double-click runs the window's own command. A command that
starts the half-second timer (the back arrow with 自动保存JPG ticked) gets its
tick at the end of its line, so the export has written NUMBER.jpg beside the
program before the next line runs. What the window would show in a message box
is printed on standard output as FILE:LINE: TEXT. The run has a clipboard of
its own: the system clipboard is never touched, the capture's picture stays in
the run, and the paste buttons (粘贴) paste the empty text. The resize rules see
a screen 1080 pixels high. Command23 (退出软件) ends the script there, without
failure.

The first line that fails stops the run; the lines before it have taken effect.
It fails on a malformed line, an unknown control, a field name that is not a
text field, a click on a text field, a control that is disabled or hidden, an
error of the command (类型不匹配, 溢出, 下标越界, 无效的属性值) or a save that cannot
be written. The error is printed on standard error as FILE:LINE: LINE: ERROR,
naming the field or control.

With --script the program uses Qt's offscreen platform and needs no display,
unless QT_QPA_PLATFORM is set.

Example, missed_call.vks:
  # A missed call from 139 1234 5678 that rang for 15 seconds.
  now 2024-10-14 9:32:05
  Text3 = 13912345678
  Command6
  Text7 = 0
  Text8 = 15
  Command12
  Check3
  save missed_call.jpg

  vokarelo --script missed_call.vks
  printf 'save default.png\n' | vokarelo --script -

Exit status:
  0  the script ran to its end, or to Command23
  1  a line failed
  2  the arguments were wrong, or the script could not be read
)");
}
