#pragma once
// Every control of the window, by its design name.

#include <QString>

#include <array>

class QWidget;
class QTabBar;
class QGroupBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace zomar {

class DropDownBox;
class FittedLabel;
class TrafficView;
class TypingBox;

struct Form1Controls {
    QTabBar *TabStrip1 = nullptr;
    QFrame *TabStripPane = nullptr; // client area drawn under the frame
    QGroupBox *Frame2 = nullptr;
    QWidget *ModemPic = nullptr;
    QWidget *CommsPic = nullptr;
    QWidget *TermPic = nullptr;
    QWidget *RepeaterPic = nullptr;
    QPushButton *Command7 = nullptr; // "Connect"
    QStatusBar *StatusBar1 = nullptr;
    FittedLabel *StatusPanel1 = nullptr; // its print shrinks for a long message

    // Modem page
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLabel *Label5 = nullptr, *Label7 = nullptr, *Label13 = nullptr, *Label14 = nullptr;
    QLabel *Label28 = nullptr, *Label29 = nullptr, *Label30 = nullptr, *Label31 = nullptr;
    QLabel *Label32 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr;
    QLineEdit *Text5 = nullptr, *Text6 = nullptr, *Text7 = nullptr, *Text8 = nullptr;
    QLineEdit *Text9 = nullptr;
    DropDownBox *Text10 = nullptr;   // TX power
    DropDownBox *Combo5 = nullptr;   // RF TX speed
    DropDownBox *Combo6 = nullptr;   // band
    QPushButton *Command2 = nullptr; // "Set"
    QPushButton *Command6 = nullptr; // "Reset Defaults"
    QPushButton *Command3 = nullptr; // "Refresh"

    // Comms page
    QLabel *Label11 = nullptr, *Label15 = nullptr;
    DropDownBox *Combo1 = nullptr; // port number
    DropDownBox *Combo2 = nullptr; // line speed

    // Terminal page
    QLabel *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr;
    TrafficView *Text13 = nullptr;   // RX
    TypingBox *Text14 = nullptr;     // TX
    QLineEdit *Text24 = nullptr;     // "Send Speed"
    QPushButton *Command8 = nullptr; // "Cont Send On"
    QPushButton *Command5 = nullptr; // "Clear"

    // Repeater page
    QLabel *Label8 = nullptr, *Label22 = nullptr, *Label26 = nullptr, *Label27 = nullptr;
    TrafficView *Text21 = nullptr;    // TX (echoes)
    TrafficView *Text22 = nullptr;    // RX
    QLineEdit *Text23 = nullptr;      // "Loopback Delay"
    QPushButton *Command10 = nullptr; // "Loopback On"
    QPushButton *Command13 = nullptr; // "Clear"

    std::array<QLineEdit *, 8> addressBoxes() const
    {
        return {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8};
    }
};

// Creates the controls of the window inside `form` at their design places.
Form1Controls buildForm1(QWidget *form);

} // namespace zomar
