#pragma once

#include "basic/image_file.h"

#include <QImage>
#include <QString>

class Form;

// Saves the picture on the clipboard as a JPEG named after the number in the program's folder,
// tells the user whether it was saved, and widens the window again.
void Label34_Click(Form& form);

// Writes pict as a JPEG of the given quality (0 to 100). An existing file is replaced only by a
// complete new one; on failure nothing is written and failure, when given, says why.
bool PictureBoxSaveJPG(const QImage& pict, const QString& fileName, int quality,
                       WriteFailure* failure = nullptr, FileStore& files = systemFileStore());

// Whether a number text can name a file inside the program's folder and nowhere else.
bool isPlainFileName(const QString& name);
