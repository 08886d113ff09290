#pragma once

#include <QByteArrayView>
#include <QString>

namespace zyn {

// A serial line to the firing controller, addressed by port number 1 to 30,
// always at 115200 baud, 8 data bits, no parity, 2 stop bits, no flow
// control. The link only carries bytes and keeps the receive time-out; the
// protocol lives in ControllerSession, which the link's owner feeds with the
// bytes that arrive and with the expiry of the time-out. Nothing here blocks.
class SerialLink {
public:
    virtual ~SerialLink() = default;

    // Opens the port with the line settings, closing any port open before;
    // false when it does not exist, is in use or refuses the settings.
    virtual bool open(int port) = 0;
    virtual void close() = 0;
    // Hands the bytes to the line; false when the port refused them.
    virtual bool write(QByteArrayView bytes) = 0;
    // Drops every received byte not yet delivered.
    virtual void discardInput() = 0;
    // (Re)starts the receive time-out; it expires once unless disarmed or
    // re-armed first. Bytes that arrived before it expired are delivered
    // before the expiry is.
    virtual void armTimeout(int milliseconds) = 0;
    virtual void disarmTimeout() = 0;
    // The device behind a port number, for the user ("" when there is none).
    virtual QString deviceName(int port) const = 0;
};

} // namespace zyn
