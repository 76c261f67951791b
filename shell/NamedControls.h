// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include <string_view>

namespace vantorel {

// The program's own texts are single-byte strings; they reach the widgets as Latin-1.
inline QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A button, radio or check box with its caption, owned by `parent`; the object name says what it does, so
// tests find it by name.
template <class Control> Control* MakeNamed(const char* objectName, const QString& caption, QWidget* parent) {
    auto* control = new Control(caption, parent);
    control->setObjectName(QString::fromLatin1(objectName));
    return control;
}

template <class Control> Control* MakeNamed(const char* objectName, const char* caption, QWidget* parent) {
    return MakeNamed<Control>(objectName, QString::fromLatin1(caption), parent);
}

} // namespace vantorel
