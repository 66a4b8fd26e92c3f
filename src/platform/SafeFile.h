#pragma once

#include <QByteArray>
#include <QString>

namespace halvora {

// Replaces a file's whole content in one step: a failed write leaves the
// earlier file exactly as it was. Returns the reason of a failure, or an
// empty string.
QString replaceFile(const QString &path, const QByteArray &bytes);

} // namespace halvora
