#include "SupportMessage.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#include <optional>

namespace halvora::support {

namespace {

const QString lineEnd = QStringLiteral("\r\n");
const char *const codePage = "windows-1252";

// Text boxes end their lines with LF, pasted text may bring CR LF or a lone
// CR; a message file has CR LF and nothing else.
QString withCrLf(const QString &text)
{
    static const QRegularExpression anyLineEnd(QStringLiteral("\r\n|\r|\n"));
    QString result = text;
    return result.replace(anyLineEnd, lineEnd);
}

// The Windows-1252 bytes of the text, or nothing when a character has no
// byte there (checked both ways, so no substitute or look-alike slips through).
std::optional<QByteArray> toWindows1252(const QString &text)
{
    QStringEncoder encoder(codePage, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError())
        return std::nullopt;
    QStringDecoder decoder(codePage, QStringConverter::Flag::Stateless);
    if (QString(decoder.decode(bytes)) != text)
        return std::nullopt;
    return bytes;
}

} // namespace

QString SupportMessage::requestTemplate(const QString &programFile)
{
    const QStringList lines = {
        QString(),
        QStringLiteral("Full Name (required): "),
        QStringLiteral("Email (required): "),
        QStringLiteral("Phone/Fax: "),
        QStringLiteral("Operating System (required) Win98/ME/XP/etc: "),
        QString(),
        QStringLiteral("Description of problem: "),
        QString(),
        QString(),
        QString(),
        QString(),
        QStringLiteral("Installation_Path: "),
        programFile,
    };
    return lines.join(lineEnd) + lineEnd;
}

SupportMessage::SupportMessage(QString recipient, QString body)
    : m_recipient(std::move(recipient))
    , m_body(std::move(body))
{
}

QString SupportMessage::header() const
{
    return QStringLiteral("To: \"%1\"").arg(m_recipient) + lineEnd
        + QStringLiteral("Subject: ") + subject + lineEnd
        + QStringLiteral("X-Unsent: 1") + lineEnd;
}

QString SupportMessage::body() const
{
    return withCrLf(m_body) + lineEnd;
}

QByteArray SupportMessage::bytes() const
{
    if (const auto ansi = toWindows1252(header() + lineEnd + body()))
        return *ansi;
    // Text Windows-1252 cannot hold (Greek, Cyrillic, Chinese, emoji) would
    // reach support as substitute characters. Such a message is written in
    // UTF-8 instead, with the MIME lines that tell the e-mail program so after
    // the unsent mark. Text that fits keeps the plain Windows-1252 form
    // without MIME lines.
    const QString mime = QStringLiteral("MIME-Version: 1.0") + lineEnd
        + QStringLiteral("Content-Type: text/plain; charset=utf-8") + lineEnd
        + QStringLiteral("Content-Transfer-Encoding: 8bit") + lineEnd;
    return (header() + mime + lineEnd + body()).toUtf8();
}

} // namespace halvora::support
