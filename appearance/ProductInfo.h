#pragma once

#include <QString>

namespace soranika {

// The maker's home page, shown and opened by the about window.
inline const QString HomePageAddress = QStringLiteral("https://soranika.example.jp/");

// The author credit of the about window.
inline const QString AuthorCredit = QStringLiteral("制作　ソラニカ開発チーム");

} // namespace soranika
