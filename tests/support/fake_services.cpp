// SPDX-License-Identifier: MIT
#include "fake_services.h"

ClipboardRead FakeClipboard::read() const {
    // A copy runs, so that it may take itself away.
    if (const std::function<void()> reading = whileReading)
        reading();
    if (!answers)
        return ClipboardRead::NoAnswer;
    return tooLarge ? ClipboardRead::TooLarge : ClipboardRead::Found;
}

void FakeClipboard::readText(qsizetype mostCharacters, std::function<void(ClipboardText)> then) {
    ClipboardRead found = read();
    if (found == ClipboardRead::Found && textValue.size() > mostCharacters)
        found = ClipboardRead::TooLarge;
    then(found == ClipboardRead::Found ? answeredText(textValue) : ClipboardText{found, {}});
}

void FakeClipboard::readPicture(std::function<void(ClipboardPicture)> then) {
    const ClipboardRead found = read();
    then(found == ClipboardRead::Found ? answeredPicture(pictureValue)
                                       : ClipboardPicture{found, {}});
}

bool FakeClipboard::setPicture(const QImage& picture) {
    if (refusesPictures)
        return false;
    pictureValue = picture;
    textValue.clear();
    answers = true;
    tooLarge = false;
    return true;
}

void FakeMessages::choose(const QString& text, const QList<Choice>& answers, int escapeChoice,
                          std::function<void(int)> then) {
    if (closed) {
        then(escapeChoice);
        return;
    }
    chooseQuestions.append(text);
    QStringList texts;
    for (const Choice& answer : answers)
        texts.append(answer.text);
    offered.append(texts);
    then(choices.isEmpty() ? escapeChoice : choices.takeFirst());
}

bool FakeSettings::setUnkeptSession(const UnkeptSession& session) {
    if (refusesRecords)
        return false;
    unkept = session;
    return true;
}

void FakeFileDialogs::saveFileName(const QString& title, const QString& start,
                                   const QString& filter, std::function<void(QString)> then) {
    then(answer({true, title, start, filter}));
}

void FakeFileDialogs::openFileName(const QString& title, const QString& folder,
                                   const QString& filter, std::function<void(QString)> then) {
    then(answer({false, title, folder, filter}));
}

QString FakeFileDialogs::answer(const Asked& dialog) {
    asked.append(dialog);
    return answers.isEmpty() ? QString() : answers.takeFirst();
}
