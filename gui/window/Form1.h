#pragma once
// The one window. It owns the controls, the state, the serial link and the
// timers, and wires the controls' events to the behaviours that handle them.

#include "gui/window/Form1Controls.h"
#include "gui/window/FormContext.h"

#include <QWidget>

#include <memory>

namespace zomar {

class AppSettings;
class PortResolver;
class SerialLink;
class IntervalTimer;
class OperationQueue;
class PageNavigator;
class PortConnection;
class ReceivePath;
class RefreshOperation;
class SetOperation;
class FieldEntry;
class FactoryReset;
class TerminalPage;
class RepeaterPage;
class FilePrompter;
class DialogFilePrompter;
class ProfileActions;
class ProfileDrop;
class ModuleSearch;
class LinkTestLauncher;
class MenuBar;
class CaptureLauncher;
class BandAdviceLine;

class Form1 : public QWidget
{
    Q_OBJECT
public:
    // Creating the window runs its load; it is shown by the caller.
    Form1(AppSettings &settings, const PortResolver &resolver, MessagePrompter &messages,
          QWidget *parent = nullptr);
    ~Form1() override;

    static QString versionedTitle(int major, int minor, int revision);

    Form1Controls &controls() { return m_ui; }
    FormState &state() { return m_state; }
    FormContext &context() { return *m_ctx; }
    SerialLink &comm() { return *m_comm; }
    IntervalTimer &timer1() { return *m_timer1; }
    IntervalTimer &timer2() { return *m_timer2; }
    IntervalTimer &loopTimer() { return *m_loopTimer; }
    BusyPointer &pointer() { return m_pointer; }
    PageNavigator &navigator() { return *m_navigator; }
    PortConnection &portConnection() { return *m_connection; }
    RefreshOperation &refreshOperation() { return *m_refresh; }
    SetOperation &setOperation() { return *m_set; }
    FieldEntry &fieldEntry() { return *m_fields; }
    FactoryReset &factoryReset() { return *m_reset; }
    TerminalPage &terminalPage() { return *m_terminal; }
    RepeaterPage &repeaterPage() { return *m_repeater; }
    MenuBar &menuBar() { return *m_menu; }
    ProfileActions &profileActions() { return *m_profiles; }
    ModuleSearch &moduleSearch() { return *m_search; }
    CaptureLauncher &capture() { return *m_capture; }
    BandAdviceLine &bandAdvice() { return *m_advice; }
    LinkTestLauncher &linkTest() { return *m_linkTest; }
    // The file dialogs' seam (real dialogs unless replaced).
    void setFilePrompter(FilePrompter &files);
    QString statusText() const;

    // Writes the saved settings (also run when the window closes).
    void unload();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load();
    void wire();
    void updatePortToolTips();
    void placeMenuBar();

    AppSettings &m_settings;
    const PortResolver &m_resolver;
    QWidget *m_body = nullptr; // the designed window, below the menu bar
    Form1Controls m_ui;
    FormState m_state;
    BusyPointer m_pointer;
    std::unique_ptr<SerialLink> m_comm;
    std::unique_ptr<IntervalTimer> m_timer1, m_timer2, m_loopTimer;
    std::unique_ptr<OperationQueue> m_operations;
    std::unique_ptr<FormContext> m_ctx;
    std::unique_ptr<PageNavigator> m_navigator;
    std::unique_ptr<RefreshOperation> m_refresh;
    std::unique_ptr<PortConnection> m_connection;
    std::unique_ptr<ReceivePath> m_receive;
    std::unique_ptr<SetOperation> m_set;
    std::unique_ptr<FieldEntry> m_fields;
    std::unique_ptr<FactoryReset> m_reset;
    std::unique_ptr<TerminalPage> m_terminal;
    std::unique_ptr<RepeaterPage> m_repeater;
    std::unique_ptr<DialogFilePrompter> m_files;
    std::unique_ptr<ProfileActions> m_profiles;
    std::unique_ptr<ModuleSearch> m_search;
    std::unique_ptr<LinkTestLauncher> m_linkTest;
    std::unique_ptr<MenuBar> m_menu;
    std::unique_ptr<ProfileDrop> m_drop;
    std::unique_ptr<CaptureLauncher> m_capture;
    std::unique_ptr<BandAdviceLine> m_advice;
    bool m_unloaded = false;
};

} // namespace zomar
