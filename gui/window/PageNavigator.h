#pragma once
// Shows the page of the selected tab inside the frame, and brings back the
// two hidden test tabs on F1 ("Connect" focused) or Shift+F1 (anywhere).

#include <QObject>

namespace zomar {

struct Form1Controls;

class PageNavigator : public QObject
{
    Q_OBJECT
public:
    explicit PageNavigator(Form1Controls &ui, QObject *parent = nullptr);

    // Click of the tab strip: hide all pages, show the selected tab's page.
    void showSelectedPage();
    // Removes the two test tabs (start-up).
    void hideTestTabs();
    // Key released anywhere in the window (it sees releases first).
    void windowKeyReleased(int key, Qt::KeyboardModifiers modifiers);
    // Key released on "Connect".
    void connectKeyReleased(int key);

private:
    void appendTestTabs();

    Form1Controls &m_ui;
};

} // namespace zomar
