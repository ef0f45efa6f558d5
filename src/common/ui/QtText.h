// The one way between the core's strings and Qt's. Paths: on Linux the file
// name bytes as they are, through the system's file-name encoding; on Windows
// UTF-8, which the core's file writer takes. Messages of the system (an error's
// detail) and text for the terminal: the locale's encoding. Layout text:
// Latin-1. Header only, so
// the command line's Qt Gui part uses it without the Widgets library.
#pragma once

#include "common/UiMessage.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace vorlan {

inline QString FromPath(std::string_view path) {
    const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
#ifdef _WIN32
    return QString::fromUtf8(bytes);
#else
    return QFile::decodeName(bytes);
#endif
}

inline std::string ToPath(const QString& path) {
#ifdef _WIN32
    return path.toUtf8().toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

// Key names and layout text: Latin-1 bytes, as the files hold them.
inline QString FromLatin1Text(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToLatin1Text(const QString& text) {
    return text.toLatin1().toStdString();
}

// Code names: UTF-8 (a PC layout's signs).
inline QString FromUtf8Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8Text(const QString& text) {
    return text.toUtf8().toStdString();
}

// A message's value, decoded as the kind it says it holds.
inline QString FromUiArg(const UiArg& arg) {
    switch (arg.kind) {
    case TextKind::Latin1:
        return FromLatin1Text(arg.bytes);
    case TextKind::Path:
        return FromPath(arg.bytes);
    case TextKind::Utf8:
        break;
    }
    return FromUtf8Text(arg.bytes);
}

inline QString FromLocalText(std::string_view text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToLocalText(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

} // namespace vorlan
