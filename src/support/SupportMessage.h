#pragma once

#include <QByteArray>
#include <QString>

namespace halvora::support {

// The support request as an unsent Internet message (.eml): a To: line, the
// subject, the unsent mark, an empty line and the body, every line ended by
// CR LF. Pure composition; writing the file is the window's business.
class SupportMessage
{
public:
    static inline const QString subject = QStringLiteral("Support Halvora");

    // The form the user fills in: thirteen lines, each ended by CR LF, the
    // last one naming the program file so support knows where it is installed.
    static QString requestTemplate(const QString &programFile);

    SupportMessage(QString recipient, QString body);

    // The file's bytes.
    QByteArray bytes() const;

private:
    QString header() const;
    QString body() const;

    QString m_recipient;
    QString m_body;
};

} // namespace halvora::support
