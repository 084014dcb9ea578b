#pragma once

#include "Result.h"

#include <QString>

namespace soranika {

inline const QString HelpFileName = QStringLiteral("readme.txt");

// The help file as the explanation window shows it: decoded from code page 932, every line ended
// by CR LF, the last one too. A line ends at CR or CR LF; a lone LF stays inside its line.
QString HelpTextFromBytes(const QByteArray& bytes);

// The help text is a few pages; a larger file is not a help text.
inline constexpr qint64 LargestHelpFileSize = 1 << 20;

// Reads the help file afresh; fails when it is missing, cannot be read, is no regular file or is
// larger than LargestHelpFileSize.
Result<QString> ReadHelpText(const QString& path);

} // namespace soranika
