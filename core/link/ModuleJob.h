#pragma once
// A module plugged into a port, as a line finds it: the device, the links
// that lead to it, and the device node it was found on.

#include <QString>

namespace zomar {

struct ModuleJob {
    QString device;
    QString byId;      // /dev/serial/by-id name, or ""
    QString byPath;    // /dev/serial/by-path name (the USB socket), or ""
    QString usbSerial; // or ""
    // The device node the module was found on, and its number: a job whose
    // link has gone, or now leads to another device, is never written to.
    QString node = {};  // "" when not known
    quint64 nodeId = 0; // st_rdev

    // The node and number of device now.
    static ModuleJob nodeOf(const QString &device);
    // Whether device (and byPath, the socket's link) still lead to the node
    // it was found on (true when that was not known).
    bool stillThere() const;
};

} // namespace zomar
