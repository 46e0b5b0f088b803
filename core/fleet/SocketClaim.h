#pragma once
// Which program of this PC programs the modules of which sockets, so that two
// never program the same module: a station's setup runs once (its file and
// each of its slots' sockets belong to one window or run), and a run that
// programs whatever appears in a folder (or among the system's ports) has
// that folder to itself.
//
// A claim is a small file per program under $XDG_DATA_HOME/zomar/claims,
// locked (flock) while the program holds it: the kernel lets go of the lock
// when a program dies, so a claim it left behind is seen to be stale and
// removed by the next program that looks.

#include <QString>
#include <QStringList>

#include <memory>

namespace zomar {

struct SocketClaimRequest {
    QString program;     // who claims, e.g. "zomar-station 1.0.1"
    QString stationFile; // the station's setup ("" for none)
    QString folder;      // the folder of socket links ("" for the system's ports)
    QStringList sockets; // the socket links' names in it
    bool everything = false; // every module that appears there, not only sockets
};

// Who holds what a claim asked for.
struct ClaimConflict {
    enum Kind {
        None,
        SameStation, // the station file is open elsewhere
        SameSocket,  // a socket is a slot of another station
        SameFolder,  // another program takes every module that appears there
    };
    Kind kind = None;
    QString program; // the holder's
    qint64 pid = 0;
    QString stationFile; // the holder's ("" for none)
    QString folder;      // the folder in common ("" for the system's ports)
    QString socket;      // SameSocket: the socket in common
    explicit operator bool() const { return kind != None; }
    // One line: "the station file /x/line2.json is open in zomar-station 1.0 (pid 4121)".
    QString text() const;
};

class SocketClaim
{
public:
    // The claim, or nullptr with what holds it (conflict) or why none can be
    // made (error) set.
    static std::unique_ptr<SocketClaim> take(const SocketClaimRequest &request,
                                             ClaimConflict *conflict, QString *error);
    // The folder claims are kept in.
    static QString folder();
    ~SocketClaim(); // lets go of it
    SocketClaim(const SocketClaim &) = delete;
    SocketClaim &operator=(const SocketClaim &) = delete;

private:
    SocketClaim(int fd, QString path) : m_fd(fd), m_path(std::move(path)) {}
    int m_fd;
    QString m_path;
};

} // namespace zomar
