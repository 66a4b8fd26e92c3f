#pragma once

#include <QString>

// The publisher's support mailboxes. Whoever ships the program puts the real
// addresses here; until then they use domains reserved for examples, which
// can never reach a stranger.
namespace halvora::support::mailbox {

// Shown in the window and written into the message's To: line.
inline const QString support = QStringLiteral("support@example.com");
// Shown in the window only, for users whose mail to the first one fails.
inline const QString alternative = QStringLiteral("help@example.org");

} // namespace halvora::support::mailbox
