#pragma once
#include <QString>

#include <stdexcept>

namespace zomar {

// A failed operation of the serial link: a number and a description.
class SerialError : public std::runtime_error
{
public:
    SerialError(int number, const QString &description)
        : std::runtime_error(description.toStdString()), m_number(number),
          m_description(description)
    {}
    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

namespace serial_errors {
inline constexpr int InvalidPort = 8002;      // the number names no usable port
inline constexpr int PortInUse = 8005;        // opened by another program
inline constexpr int PermissionDenied = 8010; // no access to the device
inline constexpr int PortNotOpen = 8012;      // write or read on a closed port
inline constexpr int SettingsRefused = 8015;  // line settings not accepted
inline constexpr int InvalidSettings = 380;   // malformed settings text
inline constexpr int OpenFailed = 8020;       // any other failure to open
inline constexpr int WriteFailed = 8021;      // the device refused a write
inline constexpr int NotATerminal = 8022;     // the path is no serial device
} // namespace serial_errors

} // namespace zomar
