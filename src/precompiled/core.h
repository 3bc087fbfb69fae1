// SPDX-License-Identifier: MIT
// The headers that most of the program's files include, parsed once per build: the standard
// library's and Qt Core's and Qt Gui's, which every library has.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <QBuffer>
#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QObject>
#include <QPainter>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
