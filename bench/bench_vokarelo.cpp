// SPDX-License-Identifier: MIT
// Rendering, capture, export, undo and redo, each on the model as the program runs it, timed by
// Google Benchmark. The fake services stand in for the outside world where it would wait (the
// export's pause) or ask the user (its message box); the real Qt clipboard is measured on its own
// under the offscreen platform. See bench/README.md.

#include "basic/image_file.h"
#include "desktop/qt_clipboard.h"
#include "desktop/x11_selection_reader.h"
#include "form/form.h"
#include "platform/system_file_store.h"
#include "screen/fonts.h"
#include "screen/screen_painter.h"
#include "session/window_model.h"
#include "support/fake_services.h"
#include "window/capture.h"
#include "window/export.h"
#include "window/window_definition.h"
#include "window/window_modes.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImageWriter>
#include <QMimeData>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The window's three shapes: wide with the settings panel, the phone screen alone as it is
// captured, and the phone screen lengthened by the bottom band.
enum Shape { Wide, Narrow, NarrowLengthened };

void shape(Form& form, Shape s) {
    if (s == NarrowLengthened) {
        form.click(ControlId::LengthenLabel);
        form.click(ControlId::LengthenLabel);
    }
    if (s != Wide)
        form.setWidth(NarrowWidth);
}

void labelSize(benchmark::State& state, const QImage& image) {
    state.SetLabel(QStringLiteral("%1x%2").arg(image.width()).arg(image.height()).toStdString());
}

// A started window, as the program shows it before the user has done anything.
struct Window {
    FakeServices platform;
    UserMessages messages{platform.messages};
    Form form{platform.services(), windowDefinition(), messages};
    explicit Window(Shape s = Wide) {
        form.start();
        shape(form, s);
    }
};

void BM_RenderWindow(benchmark::State& state) {
    Window w(Shape(state.range(0)));
    QImage image;
    for (auto _ : state) {
        image = renderWindow(w.form);
        benchmark::DoNotOptimize(image.constBits());
    }
    labelSize(state, image);
}
BENCHMARK(BM_RenderWindow)
    ->ArgName("shape")
    ->Arg(Wide)
    ->Arg(Narrow)
    ->Arg(NarrowLengthened)
    ->Unit(benchmark::kMillisecond);

// A command and the repaint it causes: "提交" of the number (four captions and the header), the
// enabling box of row 2 (a row appears or goes), and "秒+7" of row 1 (one caption).
constexpr ControlId RepaintCommands[] = {ControlId::NumberSubmitButton, ControlId::Row2EnableBox,
                                         ControlId::Row1PlusSevenButton};

void BM_CommandThenRender(benchmark::State& state) {
    Window w;
    const ControlId command = RepaintCommands[state.range(0)];
    for (auto _ : state) {
        w.form.click(command);
        const QImage image = renderWindow(w.form);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(w.form.definition(command).name);
}
BENCHMARK(BM_CommandThenRender)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The capture of the narrowed window: render, hand the image to the clipboard, confirm in the
// caption. With the fake platform the clipboard only keeps the image.
void BM_Capture(benchmark::State& state) {
    Window w(Narrow);
    for (auto _ : state)
        captureWindow(w.form, CaptureExport::Never);
    labelSize(state, w.platform.clipboard.pictureValue);
}
BENCHMARK(BM_Capture)->Unit(benchmark::kMillisecond);

// The same capture on the real Qt clipboard (offscreen platform): the image goes into the
// clipboard's data; other programs' formats are encoded only when one asks.
void BM_CaptureQtClipboard(benchmark::State& state) {
    FakeServices fakes;
    QtClipboard clipboard;
    UserMessages messages(fakes.messages);
    Form form({fakes.clock, clipboard, fakes.files, fakes.files, fakes.timer, fakes.screen},
              windowDefinition(), messages);
    form.start();
    shape(form, Narrow);
    for (auto _ : state)
        captureWindow(form, CaptureExport::Never);
    // The capture's own picture is read back at once.
    QImage captured;
    clipboard.readPicture([&](const ClipboardPicture& read) { captured = read.picture; });
    labelSize(state, captured);
}
BENCHMARK(BM_CaptureQtClipboard)->Unit(benchmark::kMillisecond);

// The narrow window's capture, the picture every export writes.
QImage capturedPicture(Shape s) {
    Window w(s);
    captureWindow(w.form, CaptureExport::Never);
    return w.platform.clipboard.pictureValue;
}

void BM_JpegEncode(benchmark::State& state) {
    const QImage picture = capturedPicture(Shape(state.range(0)));
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(75);
        if (!writer.write(picture))
            state.SkipWithError("the JPEG writer failed");
        benchmark::DoNotOptimize(buffer.data().constData());
    }
    labelSize(state, picture);
}
BENCHMARK(BM_JpegEncode)
    ->ArgName("shape")
    ->Arg(Narrow)
    ->Arg(NarrowLengthened)
    ->Unit(benchmark::kMillisecond);

// What this program does when another one pastes the capture and asks for image/png, as a chat
// window does: the clipboard encodes the PNG then, on the user-interface thread, once for the
// capture (each round offers the picture afresh).
void BM_PastedPng(benchmark::State& state) {
    const QImage picture = capturedPicture(Narrow);
    QtClipboard clipboard;
    for (auto _ : state) {
        clipboard.setPicture(picture);
        const QByteArray png =
            QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/png"));
        if (png.isEmpty())
            state.SkipWithError("no PNG offered");
        benchmark::DoNotOptimize(png.constData());
    }
    labelSize(state, picture);
}
BENCHMARK(BM_PastedPng)->Unit(benchmark::kMillisecond);

// The same PNG at Qt's default level, as the clipboard offered it before it chose its own.
void BM_PngForPaste(benchmark::State& state) {
    const QImage picture = capturedPicture(Narrow);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!picture.save(&buffer, "png"))
            state.SkipWithError("the PNG writer failed");
        benchmark::DoNotOptimize(buffer.data().constData());
    }
    labelSize(state, picture);
}
BENCHMARK(BM_PngForPaste)->Unit(benchmark::kMillisecond);

// Encoding and the atomic replacement of the file, as every export writes it.
void BM_JpegAtomicWrite(benchmark::State& state) {
    const QImage picture = capturedPicture(Narrow);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("13800138000.jpg"));
    SystemFileStore files(ProgramFolder{folder.path()}, QString());
    for (auto _ : state) {
        WriteFailure failure;
        if (!saveImageAtomically(picture, path, "jpeg", JpegQuality, files, &failure))
            state.SkipWithError(qPrintable(failure.text));
    }
    labelSize(state, picture);
}
BENCHMARK(BM_JpegAtomicWrite)->Unit(benchmark::kMillisecond);

// The whole export as the timer tick or a click on "保存截屏JPG到软件位置" runs it: read the
// clipboard, build the path, write, report, widen the window. The fake's pause does not wait and
// its message box does not block.
void BM_Export(benchmark::State& state) {
    Window w(Narrow);
    const QTemporaryDir folder;
    w.platform.files.folder = folder.path();
    captureWindow(w.form, CaptureExport::Never);
    for (auto _ : state) {
        w.form.click(ControlId::SavePictureLabel);
        if (!w.form.caption().endsWith(QStringLiteral("已保存")))
            state.SkipWithError(qPrintable(w.form.caption()));
        w.platform.messages.shown.clear();
    }
    labelSize(state, w.platform.clipboard.pictureValue);
}
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);

// A session of so many actions of a user, as the window records them: a row switched on and off,
// the battery stepped down, a number typed and submitted, the clock taken.
void recordSession(WindowModel& model, FakeServices& fakes, int actions) {
    UserActions& user = model.actions();
    for (int i = 0; i < actions; ++i) {
        switch (i % 4) {
        case 0:
            user.click(ControlId::Row2EnableBox);
            break;
        case 1:
            user.click(ControlId::BatteryDownButton);
            break;
        case 2:
            user.type(ControlId::NumberField, QString::number(13800000000LL + i));
            user.click(ControlId::NumberSubmitButton);
            break;
        default:
            fakes.clock.moment = fakes.clock.moment.addSecs(61);
            user.click(ControlId::ClockNowButton);
            break;
        }
    }
}

// One undo and the redo that follows it, after a session of state.range(0) actions: the cost is
// that of the step, whatever the session's length.
void BM_UndoRedo(benchmark::State& state) {
    FakeServices fakes;
    WindowModel model(fakes.services(), fakes.messages);
    recordSession(model, fakes, int(state.range(0)));
    for (auto _ : state) {
        model.undo();
        model.redo();
    }
    state.SetLabel(QStringLiteral("%1 lines").arg(model.recorder().lines().size()).toStdString());
}
BENCHMARK(BM_UndoRedo)
    ->ArgName("actions")
    ->Arg(2000)
    ->Arg(20000)
    ->Arg(200000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    // The clipboard benchmarks need a platform; none of them needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
