#pragma once

#include <QByteArrayList>
#include <QString>

// A later copy's end of the hand-over (OpenRequestServer): delivers paths
// to the running copy and waits for its acknowledgement.
namespace OpenRequestSender {

// True once the running copy has acknowledged the whole request; false
// when nothing listens at socketPath yet (the running copy may still be
// starting), or the copy ended or stayed silent for waitMs.
bool send(const QString &socketPath, const QByteArrayList &paths, int waitMs);

} // namespace OpenRequestSender
