// SPDX-License-Identifier: MIT
#include "command_line.h"

#include "help_names.h"
#include "window/window_definition.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace {

const QString ScriptOption = QStringLiteral("--script");
const QString ScaleOption = QStringLiteral("--scale");
const QString WidthOption = QStringLiteral("--width");

// The narrow window's width in window pixels: --width N draws the picture N device pixels wide.
constexpr int PictureWidth = 524;
constexpr int LargestPictureWidth = 3 * PictureWidth;

bool isHelp(const QString& argument) {
    return argument == u"--help" || argument == u"-h";
}

bool isVersion(const QString& argument) {
    return argument == u"--version";
}

bool isOption(const QString& argument, const QString& option) {
    return argument == option || argument.startsWith(option + u'=');
}

bool isOurs(const QString& argument) {
    return isHelp(argument) || isVersion(argument) || isOption(argument, ScriptOption) ||
           isOption(argument, ScaleOption) || isOption(argument, WidthOption);
}

CommandLine invalid(const QString& error) {
    return {CommandLine::Mode::Invalid, {}, 1, error};
}

// Qt's own options, which Qt takes out of the arguments as the window starts; it reads them with
// one dash or two.
enum class QtOption { None, Flag, WithValue };

QtOption qtOption(const QString& argument) {
    static const QStringList flags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                      QStringLiteral("nograb"), QStringLiteral("dograb")};
    static const QStringList withValue = {
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("geometry"),
        QStringLiteral("qwindowtitle"),    QStringLiteral("title"),
        QStringLiteral("qwindowicon"),     QStringLiteral("icon"),
        QStringLiteral("display"),         QStringLiteral("name"),
        QStringLiteral("session"),         QStringLiteral("style"),
        QStringLiteral("stylesheet")};
    QStringView name(argument);
    name = name.sliced(name.startsWith(u"--") ? 2 : 1);
    if (flags.contains(name))
        return QtOption::Flag;
    if (withValue.contains(name))
        return QtOption::WithValue;
    // Written with its value: -style=fusion, -qmljsdebugger=port:1234.
    const qsizetype equals = name.indexOf(u'=');
    if (equals > 0 && (withValue.contains(name.first(equals)) ||
                       name.first(equals) == QLatin1String("qmljsdebugger")))
        return QtOption::Flag;
    return QtOption::None;
}

// The window's arguments: Qt's options and set-ups to open. The first other option, if any.
std::optional<QString> unknownWindowOption(const QStringList& arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.size() < 2 || !argument.startsWith(u'-'))
            continue;
        switch (qtOption(argument)) {
        case QtOption::None:
            return argument;
        case QtOption::WithValue:
            ++i;
            break;
        case QtOption::Flag:
            break;
        }
    }
    return std::nullopt;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    using Mode = CommandLine::Mode;
    if (std::none_of(arguments.begin(), arguments.end(), isOurs)) {
        if (const std::optional<QString> unknown = unknownWindowOption(arguments))
            return invalid(QStringLiteral("unknown option %1").arg(*unknown));
        return {};
    }
    if (arguments.size() == 1 && isHelp(arguments[0]))
        return {Mode::Help, {}, 1, {}};
    if (arguments.size() == 1 && isVersion(arguments[0]))
        return {Mode::Version, {}, 1, {}};

    QStringList rest = arguments;
    std::optional<QString> path;
    std::optional<QString> scale;
    std::optional<QString> width;
    while (!rest.isEmpty()) {
        const QString argument = rest.takeFirst();
        const QString option = isOption(argument, ScriptOption)  ? ScriptOption
                               : isOption(argument, ScaleOption) ? ScaleOption
                               : isOption(argument, WidthOption) ? WidthOption
                                                                 : QString();
        if (option.isEmpty())
            return invalid(QStringLiteral("unexpected argument %1").arg(argument));
        std::optional<QString>& value = option == ScriptOption  ? path
                                        : option == ScaleOption ? scale
                                                                : width;
        if (value)
            return invalid(QStringLiteral("%1 is given twice").arg(option));
        if (argument.size() > option.size())
            value = argument.mid(option.size() + 1);
        else
            value = rest.isEmpty() ? QString() : rest.takeFirst();
    }
    if (!path && (scale || width))
        return invalid(QStringLiteral("%1 goes with --script; the window takes the scale of its "
                                      "screen")
                           .arg(scale ? ScaleOption : WidthOption));
    if (!path || path->isEmpty())
        return invalid(QStringLiteral("--script needs a file name, or - for standard input"));
    if (scale && width)
        return invalid(QStringLiteral("--scale and --width both set the picture's size; give one"));
    qreal pixelRatio = 1;
    if (width) {
        // Digits only: a width is a count of pixels, and "1080.0" or "+1080" is no phone's.
        static const QRegularExpression digits(QStringLiteral(R"(\A[0-9]{1,4}\z)"));
        const int pixels = digits.match(*width).hasMatch() ? width->toInt() : 0;
        if (pixels < PictureWidth || pixels > LargestPictureWidth)
            return invalid(QStringLiteral("--width takes a whole number of pixels from %1 to %2, "
                                          "not \"%3\"")
                               .arg(PictureWidth)
                               .arg(LargestPictureWidth)
                               .arg(*width));
        pixelRatio = qreal(pixels) / PictureWidth;
    }
    if (scale) {
        static const QStringList allowed = {QStringLiteral("1"), QStringLiteral("2"),
                                            QStringLiteral("3")};
        if (!allowed.contains(*scale))
            return invalid(QStringLiteral("--scale takes 1, 2 or 3, not \"%1\"").arg(*scale));
        pixelRatio = scale->toInt();
    }
    return {Mode::Script, *path, pixelRatio, {}};
}

QString helpText() {
    return QStringLiteral(R"(Usage:
  vokarelo                  open the window
  vokarelo FILE.vks         open the window and run the set-up FILE.vks in it
  vokarelo --script FILE    make pictures from a script, without a window or a
                            display
  vokarelo --script -       the same, reading the script from standard input
  vokarelo --script FILE --scale N
                            the same, with pictures of N device pixels to the
                            pixel (1, 2 or 3): 2 as a high-density screen shows
                            the window, 3 the largest
  vokarelo --script FILE --width N
                            the same, with pictures N pixels wide (524 to 1572),
                            a phone's own screenshot width: 1080 for most
                            Android phones, 1170 to 1320 for iPhones, 1440 for
                            QHD Android phones
  vokarelo --help           show this text
  vokarelo --version        show the program's name and version

A script runs on the window as the program opens it (wide, every field at its
default), one action a line, from the top, each line as it is read. It is UTF-8
text; a line ends in LF, CR LF or CR and holds at most 1 MiB. Blank lines are
skipped, and a line whose first character other than blanks is # is a comment.

  NAME = TEXT      Type TEXT into the text field NAME, as a user types, without
                   submitting it. TEXT is the rest of the line after "=" and the
                   one blank that follows it; every other character is kept,
                   blanks and # included. Escapes: \n is a line feed, \r a
                   carriage return, \\ a backslash; any other backslash is an
                   error.
  NAME             Click the control or phone-screen element NAME: a button
                   (Command6), a check box (Check2; the click ticks or clears
                   it), a label (Label30) or an element (Image2, the back
                   arrow).
  dblclick NAME    Double-click the text field NAME.
  now DATE TIME    Fix the clock from this line on: now 2024-10-14 9:32:05 (the
                   seconds may be left out). The commands that read the clock
                   then give the same result on every run; until the first now
                   line the system clock runs.
  clipboard = TEXT Put TEXT on the script's own clipboard, which the paste
                   buttons (Command5, Command7) read; escaped as after "=".
  try NAME         Click (or "try dblclick NAME" double-click) as above, but
                   an error of the command is printed as a message and the run
                   goes on, as the window went on when the set-up was made.
  save PATH        Write the picture as the capture takes it at this moment: the
                   phone screen, 524 pixels wide and as high as the window is
                   then, times the --scale (1572 pixels wide at 3), or
                   --width pixels wide. PNG when
                   PATH ends in .png, otherwise JPEG at quality 75. PATH is the
                   rest of the line, relative to the current folder; an
                   existing file is replaced only by a complete one.
                   A PATH that names a link (it is not followed), a folder, a
                   FIFO, a socket or a device is refused.

)") + helpNames(windowDefinition()) +
           QStringLiteral(R"(
Every click and double-click runs the window's own command. A command that
starts the half-second timer (the back arrow with 自动保存JPG ticked) gets its
tick at the end of its line, so the export has written its JPEG before the next
line runs: beside the program when the folder that holds it can be written,
otherwise (an installed program) into the user's pictures folder, in
~/Pictures/Vokarelo. What the window would show in a message box is printed on
standard output as FILE:LINE: TEXT. The run has a clipboard of its own: the
system clipboard is never touched, the capture's picture stays in the run, and
the paste buttons find the text of the last clipboard line. The resize rules see
a screen 1080 pixels high. Command23 (退出软件) ends the script at its line, as
a success.

The first line that fails stops the run; the lines before it have taken effect.
A line fails when it is malformed, names an unknown control, sets something
other than a text field, clicks a text field, clicks or sets a control that is
disabled or hidden, runs a command that meets an error (类型不匹配, 溢出,
下标越界, 无效的属性值), saves a file that cannot be written, or runs an export
(the back arrow's with 自动保存JPG ticked, or Label34) that writes nothing; the
export's own message is printed first. The error is printed on standard error
as FILE:LINE: LINE: ERROR, naming the field or control.

With --script the program draws on Qt's offscreen platform and needs no
display, unless QT_QPA_PLATFORM is set.

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

Set-ups in the window: the window records what the user does as such a
script. Ctrl+S saves it as a .vks file; Ctrl+O opens one and runs it in the
window from its start state, as --script runs it, and so does dropping a .vks
file on the window or naming it on the command line (vokarelo FILE.vks). The
first failing line is shown in a message; the lines before it stay done.

The window: drag its panel's background to move it; drag the phone screen to
drag the picture out (a PNG named after the number) into a file manager or a
chat. Return in a field presses its row's 提交 (or 保存), Escape leaves the
field, Ctrl+Q quits as 退出软件 does. Ctrl+Z undoes the last action that
changed the window, Ctrl+Shift+Z and Ctrl+Y redo it; a field undoes its own
typing first. A right click on the panel's background opens a menu: 撤销,
重做, 打开设置…, 保存设置…, 最近的设置 (the set-ups opened or saved lately and
上次退出时的设置) and 退出, each with its key. On a screen too short for it the
window is as high as the screen allows and scrolls. Quitting keeps the session
as 上次退出时的设置 in ~/.local/share/Vokarelo/last-session.vks (under
$XDG_DATA_HOME when set), in place of the one before; a session that did
nothing leaves it as it was.

Exit status:
  0  the script ran to its end, or to Command23
  1  a line failed; or the window was asked for where there is no display
  2  the arguments were wrong, or the script could not be read (the lines
     read before a read error have taken effect)
)");
}

QString versionText() {
    return QStringLiteral("Vokarelo " VOKARELO_VERSION "\n");
}
