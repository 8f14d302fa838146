#pragma once
// Reading what a link sent to the test's end of a pty pair.
#include "support/testmain.h"

#include <QByteArray>
#include <QSerialPort>

namespace wits_testing {

// What the peer received until `count` bytes came (or five seconds passed).
inline QByteArray ReceivedBy(QSerialPort& peer, int count)
{
    QByteArray got;
    testing_support::Spin([&] {
        got += peer.readAll();
        return got.size() >= count;
    }, 5000);
    return got;
}

// The link stays silent for a moment: nothing more reached the peer.
inline bool NothingReached(QSerialPort& peer)
{
    testing_support::Spin([] { return false; }, 200);
    return peer.readAll().isEmpty();
}

}  // namespace wits_testing
