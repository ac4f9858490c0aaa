// What both programs ask of the desktop through Qt: text on the system clipboard, and a locale's
// separators. Header only, as the workbench's binding compiles without the calculator's.
#pragma once

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QString>
#include <string_view>

#include "core/display_formats.h"

namespace brg::ui {

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Whether `text` is now on the clipboard: another program may hold it, so only what can be read
// back counts as written.
inline bool PutOnClipboard(std::string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) {
    return false;
  }
  QString wanted = FromUtf8(text);
  clipboard->setText(wanted);
  return clipboard->text() == wanted;
}

inline Separators SeparatorsOf(const QLocale& locale) {
  return Separators{locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

}  // namespace brg::ui
