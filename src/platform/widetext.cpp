#include "platform/widetext.h"

#include "model/codepage.h"

namespace korvex {

QString FromWin1252(std::string_view text) {
  const std::string utf8 = Win1252ToUtf8(text);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToWin1252(const QString& text) { return Utf8ToWin1252(ToUtf8(text)); }

std::string ToUtf8(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace korvex
