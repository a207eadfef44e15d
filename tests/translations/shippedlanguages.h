#pragma once

#include <string>
#include <vector>

#include <QString>

// The languages the build ships besides English, as the build found them.
inline std::vector<std::string> ShippedLanguages()
{
    std::vector<std::string> codes;
    for (const QString& code : QStringLiteral(BRACKWATER_LANGUAGES).split(QLatin1Char(','), Qt::SkipEmptyParts))
        codes.push_back(code.toStdString());
    return codes;
}
