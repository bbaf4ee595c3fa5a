#pragma once

#include "CString.h"

#include <QString>

// Both sides hold UTF-16, so text crosses unchanged.
inline QString ToQString(const CString& text)
{
    return QString::fromUtf16(text.Str().data(), static_cast<qsizetype>(text.Str().size()));
}

inline CString FromQString(const QString& text)
{
    return CString(text.toStdU16String());
}
