#pragma once

#include <QString>

#include <optional>

namespace soranika {

inline const QString HelpFileName = QStringLiteral("readme.txt");

// The help file as the explanation window shows it: decoded from code page 932, every line ended
// by CR LF, the last one too. A line ends at CR or CR LF; a lone LF stays inside its line.
QString HelpTextFromBytes(const QByteArray& bytes);

// Reads the help file afresh; nothing when it is missing or cannot be read.
std::optional<QString> ReadHelpText(const QString& path);

} // namespace soranika
